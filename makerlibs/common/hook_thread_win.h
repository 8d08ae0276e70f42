// A low-level hook that lives on a thread of its own. Low-level hooks are
// called on the thread that installed them, through its message loop, so that
// thread must never be busy with anything else: the program's threads may be
// slow or blocked at any time, and a hook that does not answer in time is
// skipped (or silently removed) by the system.
#pragma once

#include <windows.h>

#include <atomic>
#include <new>

namespace makerlibs {

// When a hook procedure was last called for an event, as GetTickCount tells.
// Written on the hook thread for every event, read by the program at any time.
class EventClock {
 public:
  void Note() { m_last.store(GetTickCount(), std::memory_order_relaxed); }
  DWORD Last() const { return m_last.load(std::memory_order_relaxed); }

 private:
  std::atomic<DWORD> m_last{0};
};

class HookThread {
 public:
  // beforeInstall, if given, runs on the hook thread before the hook exists
  // (reset per-run state there: nothing else touches it at that moment).
  constexpr HookThread(int hookId, HOOKPROC proc, void (*beforeInstall)() = nullptr)
      : m_hookId(hookId), m_proc(proc), m_beforeInstall(beforeInstall) {}
  HookThread(const HookThread&) = delete;
  HookThread& operator=(const HookThread&) = delete;

  // Starts the thread and waits up to timeoutMs for the hook to be installed.
  // True when the hook is in place (also when it already was).
  bool Start(DWORD timeoutMs);
  // Ends the thread (which removes the hook) and waits up to timeoutMs for it.
  // True when no hook of ours is left in place.
  bool Stop(DWORD timeoutMs);

 private:
  struct Run;  // what one run of the thread shares with the Start that began it
  static DWORD WINAPI Main(void* run);
  static void Release(Run* run);
  void CloseThreadLocked();

  const int m_hookId;
  const HOOKPROC m_proc;
  void (*const m_beforeInstall)();

  // Start and Stop may come from different threads of the program.
  SRWLOCK m_lock = SRWLOCK_INIT;
  HANDLE m_thread = nullptr;
  DWORD m_threadId = 0;
};

}  // namespace makerlibs
