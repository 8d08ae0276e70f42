#include "bridge/hook_watchdog.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using bridge::HookWatchdog;
using bridge::WatchSample;

constexpr std::uint32_t kP = bridge::kWatchPeriodMs;
constexpr std::uint32_t kWrap = 0xFFFFFF00u;  // a quarter of a second before the tick count wraps
constexpr std::uint32_t kLongAway = 0x80000000u + 2000;  // back after more than half the tick count's range

// One check: the sample, then what the rule must answer (checksAgain: a
// period later, rather than at the next input). installedBefore: the hooks
// were put in place just before this check.
struct Step {
  WatchSample sample;
  bool reinstall;
  bool checksAgain;
  bool installedBefore = false;
};
struct Row {
  const char* name;
  std::vector<Step> steps;
};

const Row kRows[] = {
    {"HooksThatSeeTheInputAreLeftAlone", {{{1000, 990, 995}, false, false}, {{1750, 1700, 1701}, false, false}}},
    {"SeenAlmostAtOnceCountsAsSeen", {{{1000, 990, 760}, false, false}, {{1750, 990, 760}, false, false}}},
    {"MissedOnceThenCaughtUpIsASlowHookNotAGoneOne",
     {{{1000, 999, 500}, false, true}, {{1750, 1500, 1499}, false, false}}},
    {"MissedAndStillMissedAPeriodLaterIsReinstalled",
     {{{1000, 999, 500}, false, true}, {{1000 + kP, 1600, 500}, true, false}}},
    {"ConfirmedWithinTwoPeriodsUnderEndlessInput",
     {{{1000, 990, 600}, false, true}, {{1750, 1740, 600}, true, false}, {{2500, 2490, 2480}, false, false}}},
    {"AnInputBeforeTheInstallationDoesNotCount",
     {{{1000, 999, 500}, false, false, true}, {{1750, 999, 500}, false, false}}},
    {"AnInputAfterTheInstallationStillCounts",
     {{{1000, 990, 500}, false, false, true}, {{1750, 1740, 500}, false, true}, {{2500, 1740, 500}, true, false}}},
    {"IdleForAMinuteCountsNothingEvenAMissedInput",
     {{{61000, 1000, 500}, false, false}, {{70000, 1000, 500}, false, false}}},
    {"IdleJustUnderAMinuteStillCounts", {{{60999, 1000, 500}, false, true}, {{61749, 1000, 500}, false, false}}},
    {"BackFromIdleTheFirstMissedInputIsConfirmed",
     {{{90000, 1000, 500}, false, false}, {{90010, 90005, 500}, false, true}, {{90760, 90005, 500}, true, false}}},
    {"HooksThatCannotTellAreNeverReinstalledNorChecked",
     {{{1000, 999, 0, false}, false, false}, {{1750, 1749, 0, false}, false, false}}},
    {"RightAcrossTheWrapOfTheTickCount",
     {{{kWrap + 500, kWrap + 400, kWrap}, false, true}, {{kWrap + 500 + kP, kWrap + 400, kWrap}, true, false},
      {{kWrap + 1300, kWrap + 1290, kWrap + 1295}, false, false}}},
    {"AnOldInstallationNeverComesBackNewAfterTheWrap",
     {{{1000, 990, 995}, false, false, true}, {{70000, 990, 995}, false, false},
      {{kLongAway, kLongAway - 5, 995}, false, true}, {{kLongAway + kP, kLongAway - 5, 995}, true, false}}},
};

class HookWatchdogRule : public testing::TestWithParam<Row> {};

TEST_P(HookWatchdogRule, DecidesInOrder) {
  HookWatchdog watchdog;
  for (std::size_t i = 0; i < GetParam().steps.size(); ++i) {
    const Step& step = GetParam().steps[i];
    SCOPED_TRACE(i);
    if (step.installedBefore) watchdog.Installed(step.sample.now - 1);
    const auto result = watchdog.Check(step.sample);
    EXPECT_EQ(result.reinstall, step.reinstall);
    ASSERT_EQ(result.nextCheckMs.has_value(), step.checksAgain);
    EXPECT_EQ(result.nextCheckMs.value_or(kP), kP);
    if (result.reinstall) watchdog.Installed(step.sample.now);
  }
}

INSTANTIATE_TEST_SUITE_P(Times, HookWatchdogRule, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<Row>& row) { return std::string(row.param.name); });

}  // namespace
