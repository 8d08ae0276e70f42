// Pictures and icons at the size a window's DPI asks for (see art_scale.h for
// which drawn size is taken). The program is per-monitor DPI aware, so
// Windows scales none of them for it.
#pragma once

#include <windows.h>

#include "framework/handles_win.h"
#include "framework/owned_icon_win.h"

namespace fw {

// The DPI of the monitor a window is on (GetDpiForWindow, Windows 10 1607
// on), else the system's.
UINT WindowDpi(HWND hwnd);
UINT SystemDpi();

// Picture `id` (its 1x resource id) for `dpi`, as a DIB section; none when
// the resource is missing.
UniqueBitmap LoadPicture(HINSTANCE instance, int id, UINT dpi);

// Icon `id` `px` pixels square, from the icon file's nearest image that is
// not smaller (scaled down if need be), into `icon`: shared at the system's
// large-icon size, as LoadIcon gives it, owned at any other.
void LoadIconSized(HINSTANCE instance, int id, int px, OwnedIcon& icon);

// Resource id of the clip to play at `dpi`.
int ClipIdFor(int id, UINT dpi);

// The picture control of a dialog built from its template (the first static
// with SS_BITMAP): holds the picture it was given at the window's DPI, and
// reloads it when the DPI changes.
class DialogPicture {
 public:
  // Finds the control in `dialog` and shows picture `id` there at the dialog's DPI.
  void Show(HWND dialog, int id);
  void Reload(UINT dpi);

 private:
  HWND m_control = nullptr;
  int m_id = 0;
  UniqueBitmap m_picture;
};

}  // namespace fw
