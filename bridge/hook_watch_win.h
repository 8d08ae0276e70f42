// Keeps the hooks in place for as long as the program runs. The system drops
// a low-level hook that once answered too slowly, without a word, and sleep,
// lock and session switches are where that happens most; a held input must
// not stay down across a lock either. Lives on the worker thread, beside the
// dispatch window it is given.
#pragma once

#include <windows.h>

#include <atomic>

#include "bridge/hook_watchdog.h"
#include "settings/settings_model.h"

namespace bridge {

// The dispatch window's timer for the checks.
constexpr UINT_PTR kHookWatchTimerId = 21;

class HookWatch {
 public:
  explicit HookWatch(settings::SettingsModel& settings) : m_settings(settings) {}
  HookWatch(const HookWatch&) = delete;
  HookWatch& operator=(const HookWatch&) = delete;

  // Installs both hooks with `target` as the mouse hook's target, and starts
  // watching them and the session.
  void Install(HWND target);
  // Removes both hooks for good (any thread); no reinstallation follows.
  void StopHooks();
  // Before `target` is destroyed, on its thread.
  void Detach();

  // The dispatch window's messages that concern the hooks. Each returns true
  // when what the buttons hold must be let go now (lock, disconnect, sleep).
  void OnTimer();
  void OnRawInput();
  bool OnPowerBroadcast(WPARAM event);
  bool OnSessionChange(WPARAM event);

 private:
  // Both hooks out, then both in: never two of one kind at once, so no event
  // is reported twice.
  void Reinstall();
  void StartHooks();
  void Check();
  void CheckIn(UINT ms);
  void WakeOnNextInput(bool on);

  settings::SettingsModel& m_settings;
  HWND m_target = nullptr;
  HookWatchdog m_watchdog;
  bool m_checking = false;  // a check is due on the timer
  bool m_waking = false;    // the next raw input is to bring the next check
  bool m_paused = false;    // locked or disconnected: input there is not the hooks' to see
  bool m_sessionNotices = false;
  bool m_bothInstalled = false;
  // Reinstallation (worker) and the exit's removal (main thread) never overlap.
  SRWLOCK m_hooksLock = SRWLOCK_INIT;
  std::atomic<bool> m_stopped{false};
};

}  // namespace bridge
