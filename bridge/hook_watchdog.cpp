#include "bridge/hook_watchdog.h"

namespace bridge {
namespace {
// How much later a is than b, negative when earlier; right across the wrap.
std::int32_t Later(std::uint32_t a, std::uint32_t b) { return static_cast<std::int32_t>(a - b); }
}  // namespace

WatchStep HookWatchdog::Check(const WatchSample& s) {
  if (!s.hooksReport || Later(s.now, s.lastInput) >= static_cast<std::int32_t>(kWatchIdleMs)) {
    m_missed.reset();
    // Any input from now on is newer than the installation: forgetting it here
    // keeps the tick count's wrap, after a long absence, from making it new again.
    m_installedAt.reset();
    m_seenWhenIdle = s.lastSeen;
    return WatchStep{false, std::nullopt};
  }
  // What the hooks are known to have had their chance at: their last event, or
  // their installation while they have seen nothing after it.
  if (m_installedAt && Later(s.lastSeen, *m_installedAt) >= 0) m_installedAt.reset();
  std::uint32_t covered = s.lastSeen;
  if (m_installedAt && Later(*m_installedAt, covered) > 0) covered = *m_installedAt;
  // Back from an absence, the hooks' last event may be older than the tick
  // count can tell apart: that it has not changed since says enough.
  if (m_seenWhenIdle && *m_seenWhenIdle != s.lastSeen) m_seenWhenIdle.reset();
  const bool nothingSinceIdle = m_seenWhenIdle.has_value() && !m_installedAt;
  const auto unseen = [&](std::uint32_t input) {
    return nothingSinceIdle || Later(input, covered) > static_cast<std::int32_t>(kWatchToleranceMs);
  };

  // Missed at the last check and still not caught up with a period later: a
  // slow hook would have been called by now, so this one is gone.
  if (m_missed && unseen(*m_missed)) {
    m_missed.reset();
    return WatchStep{true, std::nullopt};
  }
  m_missed = unseen(s.lastInput) ? std::optional<std::uint32_t>(s.lastInput) : std::nullopt;
  if (m_missed) return WatchStep{false, kWatchPeriodMs};
  return WatchStep{false, std::nullopt};
}

void HookWatchdog::Installed(std::uint32_t now) {
  m_installedAt = now;
  m_seenWhenIdle.reset();
  m_missed.reset();
}

}  // namespace bridge
