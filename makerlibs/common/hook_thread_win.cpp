#include "makerlibs/common/hook_thread_win.h"

namespace makerlibs {

// Owned by both sides; whoever lets go last frees it. Start may give up
// waiting (and return) while the thread is still on its way.
struct HookThread::Run {
  const HookThread* owner = nullptr;
  HMODULE module = nullptr;
  HANDLE ready = nullptr;
  std::atomic<bool> installed{false};
  std::atomic<bool> abandon{false};
  std::atomic<int> refs{2};
};

void HookThread::Release(Run* run) {
  if (--run->refs == 0) {
    CloseHandle(run->ready);
    delete run;
  }
}

bool HookThread::Start(DWORD timeoutMs) {
  AcquireSRWLockExclusive(&m_lock);
  if (m_thread) {
    if (WaitForSingleObject(m_thread, 0) == WAIT_TIMEOUT) {
      ReleaseSRWLockExclusive(&m_lock);
      return true;  // one hook per library, however often Start is called
    }
    CloseThreadLocked();  // the thread ended by itself: start afresh
  }

  // The thread keeps the library loaded for as long as it runs, so that a
  // FreeLibrary by the program cannot pull the code from under the hook; it
  // lets go with FreeLibraryAndExitThread.
  HMODULE module = nullptr;
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  Run* run = ready ? new (std::nothrow) Run : nullptr;
  if (!run || !GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                                  reinterpret_cast<LPCWSTR>(&HookThread::Main), &module)) {
    delete run;
    if (ready) CloseHandle(ready);
    ReleaseSRWLockExclusive(&m_lock);
    return false;
  }
  run->owner = this;
  run->module = module;
  run->ready = ready;
  m_thread = CreateThread(nullptr, 0, &HookThread::Main, run, 0, &m_threadId);
  if (!m_thread) {
    m_threadId = 0;
    FreeLibrary(module);
    CloseHandle(ready);
    delete run;
    ReleaseSRWLockExclusive(&m_lock);
    return false;
  }

  bool ok = false;
  HANDLE waits[2] = {ready, m_thread};
  DWORD wait = WaitForMultipleObjects(2, waits, FALSE, timeoutMs);
  if (wait == WAIT_OBJECT_0 && run->installed) {
    ok = true;
  } else if (wait == WAIT_TIMEOUT) {
    // Give up on it: either the thread sees the flag right after installing,
    // or its queue exists already and the WM_QUIT reaches it.
    run->abandon = true;
    PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
    CloseThreadLocked();
  } else {
    WaitForSingleObject(m_thread, timeoutMs);  // the install failed: the thread is ending
    CloseThreadLocked();
  }
  Release(run);
  ReleaseSRWLockExclusive(&m_lock);
  return ok;
}

bool HookThread::Stop(DWORD timeoutMs) {
  AcquireSRWLockExclusive(&m_lock);
  bool ok = true;
  if (m_thread) {
    // The thread's message queue exists before the hook is installed, so the
    // message cannot get lost; GetMessage returns 0 for WM_QUIT however it came.
    PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
    ok = WaitForSingleObject(m_thread, timeoutMs) == WAIT_OBJECT_0;
    if (ok) CloseThreadLocked();
  }
  ReleaseSRWLockExclusive(&m_lock);
  return ok;
}

void HookThread::CloseThreadLocked() {
  if (m_thread) CloseHandle(m_thread);
  m_thread = nullptr;
  m_threadId = 0;
}

DWORD WINAPI HookThread::Main(void* param) {
  Run* run = static_cast<Run*>(param);
  const HookThread* self = run->owner;
  HMODULE module = run->module;

  // Create the message queue first, so that a WM_QUIT from Stop always lands.
  MSG msg;
  PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  // The system waits for the hook on every click or key stroke of every
  // program: answer before anybody else.
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);

  if (self->m_beforeInstall) self->m_beforeInstall();
  HHOOK hook = SetWindowsHookExW(self->m_hookId, self->m_proc, module, 0);
  if (hook && run->abandon) {
    UnhookWindowsHookEx(hook);
    hook = nullptr;
  }
  run->installed = hook != nullptr;
  SetEvent(run->ready);
  Release(run);

  if (hook) {
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0 && got != -1) DispatchMessageW(&msg);
    UnhookWindowsHookEx(hook);
  }
  FreeLibraryAndExitThread(module, hook ? 0 : 1);
}

}  // namespace makerlibs
