// A top-level window of a plain class registered by the program itself.
#pragma once

#include "framework/wnd_win.h"

namespace fw {

class FrameWnd : public Wnd {
 public:
  // Lets the system choose position and size.
  static const RECT rectDefault;

  // The class has no style, cursor, background brush or icon of its own.
  BOOL Create(const char* title, DWORD style, const RECT& rect, HWND parent, HMENU menu, DWORD exStyle);

 protected:
  // A frame lives on the heap and deletes itself with its window; the
  // application's main frame also ends the main message loop.
  void PostNcDestroy() override;
};

}  // namespace fw
