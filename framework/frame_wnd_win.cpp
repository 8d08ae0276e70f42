#include "framework/frame_wnd_win.h"

#include "framework/win_app_win.h"
#include "framework/win_thread_win.h"

namespace fw {
namespace {
const char kFrameClass[] = "ZyfoFrame";
}

const RECT FrameWnd::rectDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

BOOL FrameWnd::Create(const char* title, DWORD style, const RECT& rect, HWND parent, HMENU menu, DWORD exStyle) {
  HINSTANCE instance = ResourceInstance();
  WNDCLASSA wc{};
  if (!::GetClassInfoA(instance, kFrameClass, &wc)) {
    wc = WNDCLASSA{};
    wc.lpfnWndProc = Procedure<Binding::Frame>;
    wc.hInstance = instance;
    wc.lpszClassName = kFrameClass;
    if (!::RegisterClassA(&wc)) return FALSE;
  }
  bool byDefault = rect.left == CW_USEDEFAULT;
  int width = byDefault ? CW_USEDEFAULT : rect.right - rect.left;
  int height = byDefault ? CW_USEDEFAULT : rect.bottom - rect.top;
  HWND hwnd = ::CreateWindowExA(exStyle, kFrameClass, title, style, rect.left, rect.top, width, height, parent, menu,
                                instance, this);
  return hwnd != nullptr;
}

void FrameWnd::PostNcDestroy() {
  // The window is destroyed on its own thread: when it was that thread's main
  // window, the thread's loop ends with it.
  WinThread* thread = WinThread::Current();
  if (thread && thread->m_pMainWnd == this) {
    thread->m_pMainWnd = nullptr;
    ::PostQuitMessage(0);
  }
  delete this;
}

}  // namespace fw
