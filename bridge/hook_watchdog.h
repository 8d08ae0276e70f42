// When the hooks must be put in place again. The system drops a low-level hook
// that once answered too slowly (after a resume from sleep, under load) and
// tells nobody; its handle stays valid. What gives it away: the system saw
// input that neither hook saw. Portable: times are milliseconds of the
// system's tick count, which wraps every 49.7 days, so they are only ever
// compared by their difference.
#pragma once

#include <cstdint>
#include <optional>

namespace bridge {

// A check runs this long after an input (the hooks have had their chance at
// it by then), and an input the hooks missed is confirmed missed this long
// after that: a removed hook is back within two periods of the first input
// after its removal.
constexpr std::uint32_t kWatchPeriodMs = 750;
// The system notes an input's time around the moment the hooks see it, a
// little earlier or later: closer than this counts as seen.
constexpr std::uint32_t kWatchToleranceMs = 250;
// Idle this long, nothing counts against the hooks until the next input.
constexpr std::uint32_t kWatchIdleMs = 60000;

struct WatchSample {
  std::uint32_t now = 0;
  std::uint32_t lastInput = 0;  // the system's last input (GetLastInputInfo)
  std::uint32_t lastSeen = 0;   // the newest event either hook saw
  // False when a hook library cannot tell what it saw (not our own build, or
  // missing): then nothing can be told and the hooks are never second-guessed.
  bool hooksReport = true;
};

struct WatchStep {
  bool reinstall = false;
  // When to check again: only while a missed input waits for confirmation;
  // otherwise nothing, the next input asks again.
  std::optional<std::uint32_t> nextCheckMs;
};

class HookWatchdog {
 public:
  WatchStep Check(const WatchSample& sample);
  // The hooks were put in place at `now`: no input before counts against them.
  void Installed(std::uint32_t now);

 private:
  std::optional<std::uint32_t> m_missed;  // an input the hooks had not seen at the last check
  std::optional<std::uint32_t> m_installedAt;
  std::optional<std::uint32_t> m_seenWhenIdle;  // the hooks' last event when the user went idle
};

}  // namespace bridge
