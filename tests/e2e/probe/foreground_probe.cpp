// A window program that the end-to-end tests build under two file names, so
// that the program under test sees two different programs come to the front.
// Its one framed window, clear of Wine's tray (so that a failing test's
// screenshot shows the tray), comes to the front when the test posts it WM_APP
// (under Wine without a window manager a small frameless popup could not); WM_CLOSE ends it. Wine 8 reports
// no foreground switch to event hooks (EVENT_SYSTEM_FOREGROUND is never sent),
// so the probe sends the report Windows sends.
#include <windows.h>

namespace {

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_APP:
      ::SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
      ::SetForegroundWindow(hwnd);
      ::NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, hwnd, OBJID_WINDOW, CHILDID_SELF);
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcA(hwnd, msg, wp, lp);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
  wc.lpszClassName = "ZyfoForegroundProbe";
  ::RegisterClassA(&wc);
  HWND hwnd = ::CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "Foreground probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                100, 80, 800, 600, nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 1;
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return 0;
}
