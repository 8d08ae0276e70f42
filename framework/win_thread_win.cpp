#include "framework/win_thread_win.h"

#include "framework/wnd_win.h"

namespace fw {
namespace {
thread_local WinThread* t_current = nullptr;
}

WinThread::~WinThread() = default;

BOOL WinThread::CreateThread(DWORD flags, UINT stackSize, LPSECURITY_ATTRIBUTES security) {
  m_hThread.reset(::CreateThread(security, stackSize, ThreadProc, this, flags, &m_nThreadID));
  return m_hThread ? TRUE : FALSE;
}

WinThread* WinThread::Current() { return t_current; }

void WinThread::BindToCurrentThread() {
  t_current = this;
  m_nThreadID = ::GetCurrentThreadId();
}

DWORD WINAPI WinThread::ThreadProc(LPVOID param) {
  auto* self = static_cast<WinThread*>(param);
  t_current = self;
  if (!self->InitInstance()) return static_cast<DWORD>(self->ExitInstance());
  return static_cast<DWORD>(self->Run());
}

BOOL WinThread::InitInstance() { return FALSE; }

int WinThread::Run() {
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (!PreTranslateMessage(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
  int code = static_cast<int>(msg.wParam);
  int exitCode = ExitInstance();
  return exitCode ? exitCode : code;
}

int WinThread::ExitInstance() { return 0; }

BOOL WinThread::PreTranslateMessage(MSG* msg) { return PreTranslateThroughTree(msg); }

void RunModalLoop(const std::function<bool()>& keepGoing, const std::function<bool(MSG*)>& dialogMessage) {
  WinThread* thread = WinThread::Current();
  MSG msg;
  while (keepGoing()) {
    BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == -1) break;
    if (!got) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    bool consumed = thread ? thread->PreTranslateMessage(&msg) : PreTranslateThroughTree(&msg);
    if (!consumed && dialogMessage) consumed = dialogMessage(&msg);
    if (!consumed) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
}

}  // namespace fw
