#include "bridge/hook_watch_win.h"

#include <wtsapi32.h>

#include "bridge/maker_libs_win.h"
#include "framework/libraries_win.h"

namespace bridge {
namespace {

// Resolved at run time: the session notices are a nicety, and their library
// comes from the system folder only.
template <typename Fn>
Fn SessionFunction(const char* name) {
  static HMODULE wts = fw::LoadSystemLibrary("wtsapi32.dll");
  return wts ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(wts, name))) : nullptr;
}

// Mouse and keyboard, from any window (RIDEV_INPUTSINK); or, with RIDEV_REMOVE, no more.
bool RegisterRawInput(HWND target, DWORD flags) {
  RAWINPUTDEVICE devices[2] = {{0x01, 0x02, flags, target}, {0x01, 0x06, flags, target}};
  return ::RegisterRawInputDevices(devices, 2, sizeof devices[0]) != FALSE;
}

}  // namespace

void HookWatch::Install(HWND target) {
  m_target = target;
  {
    ::AcquireSRWLockExclusive(&m_hooksLock);
    if (!m_stopped) StartHooks();
    ::ReleaseSRWLockExclusive(&m_hooksLock);
  }
  using RegisterFn = BOOL(WINAPI*)(HWND, DWORD);
  if (auto reg = SessionFunction<RegisterFn>("WTSRegisterSessionNotification"))
    m_sessionNotices = reg(target, NOTIFY_FOR_THIS_SESSION) != FALSE;
  Check();
}

void HookWatch::StartHooks() {
  const bool mouse = PointerHookStart() != 0;
  if (mouse) {
    PointerHookSetTarget(m_target);
    m_settings.PublishButtons();
    m_settings.PublishWheel();
  }
  // A hook that could not be installed sees nothing, which would look like a
  // dropped one at every input: such hooks are not watched (a resume or an
  // unlock still tries again).
  m_bothInstalled = (KeyHookStart() != 0) && mouse;
  m_watchdog.Installed(::GetTickCount());
}

void HookWatch::Reinstall() {
  ::AcquireSRWLockExclusive(&m_hooksLock);
  if (!m_stopped) {
    KeyHookStop();
    PointerHookStop();
    StartHooks();
  }
  ::ReleaseSRWLockExclusive(&m_hooksLock);
}

void HookWatch::StopHooks() {
  ::AcquireSRWLockExclusive(&m_hooksLock);
  m_stopped = true;
  KeyHookStop();
  PointerHookStop();
  ::ReleaseSRWLockExclusive(&m_hooksLock);
}

void HookWatch::Detach() {
  if (!m_target) return;
  if (m_checking) ::KillTimer(m_target, kHookWatchTimerId);
  WakeOnNextInput(false);
  using UnregisterFn = BOOL(WINAPI*)(HWND);
  if (m_sessionNotices)
    if (auto unreg = SessionFunction<UnregisterFn>("WTSUnRegisterSessionNotification")) unreg(m_target);
  m_checking = m_sessionNotices = false;
  m_target = nullptr;
}

void HookWatch::Check() {
  if (!m_target || m_paused || m_stopped) return;
  WatchSample sample;
  LASTINPUTINFO input{sizeof input, 0};
  DWORD seen = 0;
  sample.hooksReport = m_bothInstalled && ::GetLastInputInfo(&input) && HooksLastEventTime(&seen);
  sample.lastSeen = seen;
  sample.lastInput = input.dwTime;
  sample.now = ::GetTickCount();
  const WatchStep step = m_watchdog.Check(sample);
  if (step.reinstall) Reinstall();
  if (step.nextCheckMs)
    CheckIn(*step.nextCheckMs);
  else
    // A library that cannot tell gives nothing to watch: not even input then.
    WakeOnNextInput(sample.hooksReport);
}

void HookWatch::CheckIn(UINT ms) {
  WakeOnNextInput(false);
  m_checking = ::SetTimer(m_target, kHookWatchTimerId, ms, nullptr) != 0;
}

void HookWatch::WakeOnNextInput(bool on) {
  if (on == m_waking || !m_target) return;
  if (on)
    m_waking = RegisterRawInput(m_target, RIDEV_INPUTSINK);
  else
    m_waking = !RegisterRawInput(nullptr, RIDEV_REMOVE) && m_waking;
}

void HookWatch::OnTimer() {
  // Each timer runs once.
  ::KillTimer(m_target, kHookWatchTimerId);
  m_checking = false;
  Check();
}

void HookWatch::OnRawInput() {
  // The first input since the last check: raw input is let go until then, so
  // that a pointer moving all the time costs one message per check, and
  // nothing at all while nobody touches mouse or keyboard.
  if (!m_waking) return;
  CheckIn(kWatchPeriodMs);
}

bool HookWatch::OnPowerBroadcast(WPARAM event) {
  switch (event) {
    case PBT_APMSUSPEND:
      return true;
    case PBT_APMRESUMECRITICAL:
    case PBT_APMRESUMESUSPEND:
    case PBT_APMRESUMEAUTOMATIC:
      // Resume is where the system drops hooks most: in again at once.
      Reinstall();
      Check();
      return false;
    default:
      return false;
  }
}

bool HookWatch::OnSessionChange(WPARAM event) {
  switch (event) {
    case WTS_SESSION_LOCK:
    case WTS_CONSOLE_DISCONNECT:
    case WTS_REMOTE_DISCONNECT:
      // What is typed on the lock screen is no hook's to see.
      m_paused = true;
      if (m_checking) ::KillTimer(m_target, kHookWatchTimerId);
      m_checking = false;
      WakeOnNextInput(false);
      return true;
    case WTS_SESSION_UNLOCK:
    case WTS_CONSOLE_CONNECT:
    case WTS_REMOTE_CONNECT:
      m_paused = false;
      Reinstall();
      Check();
      return false;
    default:
      return false;
  }
}

}  // namespace bridge
