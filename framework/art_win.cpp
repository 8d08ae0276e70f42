#include "framework/art_win.h"

#include "framework/art_scale.h"
#include "framework/win_app_win.h"
#include "res/resource.h"

namespace fw {
namespace {

template <typename Function>
Function User32Function(const char* name) {
  // Looked up rather than linked: Windows before 10 lacks them, and the program still starts there.
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), name)));
}

// The 1x size of a bitmap resource, from its header, without making a GDI object of it.
bool PictureSize(HINSTANCE instance, int id, int* width, int* height) {
  HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
  HGLOBAL data = found ? ::LoadResource(instance, found) : nullptr;
  const auto* header = data ? static_cast<const BITMAPINFOHEADER*>(::LockResource(data)) : nullptr;
  if (!header || ::SizeofResource(instance, found) < sizeof *header) return false;
  *width = header->biWidth;
  *height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
  return true;
}

UniqueBitmap ScaledDown(HBITMAP source, int width, int height) {
  BITMAP size{};
  ::GetObjectA(source, sizeof size, &size);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  UniqueBitmap scaled(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  UniqueDc from(::CreateCompatibleDC(nullptr));
  UniqueDc to(::CreateCompatibleDC(nullptr));
  if (!scaled || !from || !to) return UniqueBitmap();
  HGDIOBJ oldFrom = ::SelectObject(from.get(), source);
  HGDIOBJ oldTo = ::SelectObject(to.get(), scaled.get());
  // HALFTONE averages the pixels a target pixel covers; the default mode drops rows.
  ::SetStretchBltMode(to.get(), HALFTONE);
  ::SetBrushOrgEx(to.get(), 0, 0, nullptr);
  ::StretchBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
  ::SelectObject(from.get(), oldFrom);
  ::SelectObject(to.get(), oldTo);
  return scaled;
}

}  // namespace

UINT SystemDpi() {
  using GetDpiForSystemFn = UINT(WINAPI*)();
  static const auto getDpiForSystem = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
  if (getDpiForSystem) return getDpiForSystem();
  const UniqueScreenDc screen(::GetDC(nullptr));
  const int dpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? static_cast<UINT>(dpi) : static_cast<UINT>(kBaseDpi);
}

UINT WindowDpi(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  const UINT dpi = getDpiForWindow && hwnd ? getDpiForWindow(hwnd) : 0;
  return dpi ? dpi : SystemDpi();
}

UniqueBitmap LoadPicture(HINSTANCE instance, int id, UINT dpi) {
  int width = 0;
  int height = 0;
  if (!PictureSize(instance, id, &width, &height)) return UniqueBitmap();
  const PicturePick pick = PickPicture(width, height, static_cast<int>(dpi));
  UniqueBitmap picture(static_cast<HBITMAP>(::LoadImageA(
      instance, MAKEINTRESOURCEA(id + pick.variant * IDB_SCALED_STEP), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!picture) return UniqueBitmap();
  BITMAP drawn{};
  ::GetObjectA(picture.get(), sizeof drawn, &drawn);
  if (drawn.bmWidth == pick.width && drawn.bmHeight == pick.height) return picture;
  return ScaledDown(picture.get(), pick.width, pick.height);
}

void LoadIconSized(HINSTANCE instance, int id, int px, OwnedIcon& icon) {
  const int image = IconImageFor(px);
  // The program's shared icons are LoadIcon's, of the system's large size.
  // Only that size is taken from the cache: it holds one icon per image of
  // the file, of the size first asked for (Wine), whatever size is asked later.
  if (px == ::GetSystemMetrics(SM_CXICON)) {
    icon.Share(static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, px, px, LR_SHARED)));
    return;
  }
  if (image == px) {
    icon.Own(static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, px, px, 0)));
    return;
  }
  HICON drawn = static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, image, image, 0));
  icon.Own(drawn ? static_cast<HICON>(::CopyImage(drawn, IMAGE_ICON, px, px, LR_COPYDELETEORG)) : nullptr);
}

int ClipIdFor(int id, UINT dpi) { return id + ClipVariantFor(static_cast<int>(dpi)) * IDB_SCALED_STEP; }

void DialogPicture::Show(HWND dialog, int id) {
  m_control = nullptr;
  m_id = id;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    char className[16] = {};
    ::GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0 && (::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
      m_control = child;
      break;
    }
  }
  Reload(WindowDpi(dialog));
}

void DialogPicture::Reload(UINT dpi) {
  if (!m_control || !::IsWindow(m_control)) return;
  UniqueBitmap picture = LoadPicture(ResourceInstance(), m_id, dpi);
  if (!picture) return;
  // The control resizes itself to the new picture and hands back the one it
  // showed: ours from before (released by the holder below), or the 1x copy
  // it loaded from the template, which nobody else holds.
  const auto previous = reinterpret_cast<HBITMAP>(
      ::SendMessageA(m_control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.get())));
  if (previous && previous != m_picture.get()) ::DeleteObject(previous);
  m_picture = std::move(picture);
}

}  // namespace fw
