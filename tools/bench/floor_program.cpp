// The floor the program's costs are measured against: the least a Windows
// program can do for the same job. One hidden window titled "ZyfoFloor";
//   floor_program keys   sends Ctrl+C (four extended key events) for every
//                        WM_USER+101 / WM_USER+100 pair posted to it, as the
//                        program's worker does for a button set to copy;
//   floor_program hook   also installs an empty low-level mouse hook on a
//                        thread of its own, as the mouse hook library does;
//   floor_program idle   does nothing else.
// It ends on WM_CLOSE.
#include <windows.h>

#include <cstring>

namespace {

constexpr UINT kPress = WM_USER + 101, kRelease = WM_USER + 100;
bool g_keys = false;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kRelease && g_keys) {
    ::keybd_event(VK_CONTROL, 0, KEYEVENTF_EXTENDEDKEY, 0);
    ::keybd_event('C', 0, KEYEVENTF_EXTENDEDKEY, 0);
    ::keybd_event(VK_CONTROL, 0, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
    ::keybd_event('C', 0, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
    return 0;
  }
  if (msg == kPress) return 0;
  if (msg == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK EmptyHook(int code, WPARAM wp, LPARAM lp) { return ::CallNextHookEx(nullptr, code, wp, lp); }

DWORD WINAPI HookThread(LPVOID ready) {
  HHOOK hook = ::SetWindowsHookExA(WH_MOUSE_LL, EmptyHook, ::GetModuleHandleA(nullptr), 0);
  ::SetEvent(static_cast<HANDLE>(ready));
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
  ::UnhookWindowsHookEx(hook);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  g_keys = std::strstr(commandLine, "keys") != nullptr;
  DWORD hookThreadId = 0;
  HANDLE hookThread = nullptr;
  if (std::strstr(commandLine, "hook")) {
    HANDLE ready = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    hookThread = ::CreateThread(nullptr, 0, HookThread, ready, 0, &hookThreadId);
    ::WaitForSingleObject(ready, 5000);
    ::CloseHandle(ready);
  }
  WNDCLASSA wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = "ZyfoFloor";
  ::RegisterClassA(&wc);
  ::CreateWindowExA(0, "ZyfoFloor", "ZyfoFloor", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, instance,
                    nullptr);
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  if (hookThread) {
    ::PostThreadMessageA(hookThreadId, WM_QUIT, 0, 0);
    ::WaitForSingleObject(hookThread, 5000);
    ::CloseHandle(hookThread);
  }
  return 0;
}
