// The mouse hook's rule: pass, report and swallow, or swallow each physical
// button event, and give a release the fate of its press.
#include "makerlibs/hook_policy.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
namespace policy = makerlibs::hookpolicy;
using policy::Button;
using policy::Table;
using policy::Verdict;
constexpr Verdict kPass = Verdict::Pass, kReport = Verdict::ReportAndSwallow, kSwallow = Verdict::Swallow;

Table TableOf(std::vector<int> entries) { return policy::MakeTable(entries.data(), static_cast<int>(entries.size())); }
const Table kIdentity = TableOf({0, 1, 2, 3, 4, 5});  // nothing stored: every slot its own number
const Table kManaged = TableOf({0, 1, 9, 3, 4, 5});   // the right button copies

TEST(HookPolicy, AButtonPassesWithItsOwnFunctionIsReportedWithAnotherAndFailsOpenWithNone) {
  struct Case { Button button; int code; Verdict verdict; };
  const Case cases[] = {
      {Button::Left, 0, kPass},     {Button::Left, 7, kPass},     {Button::Left, 1, kReport},
      {Button::Left, 50, kReport},  {Button::Left, -1, kPass},    {Button::Left, 51, kPass},
      {Button::Middle, 1, kPass},   {Button::Middle, 0, kReport}, {Button::Middle, 60, kPass},
      {Button::Right, 2, kPass},    {Button::Right, 7, kReport},  {Button::Right, -7, kPass},
      {Button::X1, 3, kReport},     {Button::X1, 0, kReport},     {Button::X1, -1, kSwallow},
      {Button::X2, 4, kReport},     {Button::X2, 2, kReport},     {Button::X2, 51, kSwallow},
  };
  for (const Case& c : cases) {
    const int slot = policy::SlotOf(c.button);
    std::vector<int> entries = {0, 1, 2, 3, 4, 5};
    entries[static_cast<std::size_t>(slot)] = c.code;
    EXPECT_EQ(policy::VerdictFor(c.button, TableOf(entries)), c.verdict) << "slot " << slot << " code " << c.code;
    EXPECT_EQ(policy::EventCodeOf(c.button), makerlibs::EventCodeOfSlot(slot));
  }
  // The sixth slot has no physical button and sways none.
  for (int sixth : {-1, 0, 2, 47, 99})
    for (int slot = 0; slot < 5; ++slot)
      EXPECT_EQ(policy::VerdictFor(Button(slot), TableOf({0, 1, 2, 3, 4, sixth})), slot < 3 ? kPass : kReport);
}

TEST(HookPolicy, TheTableTakesAtMostSixEntriesAndMissingOnesHaveNoFunction) {
  const int entries[] = {9, 8, 7, 6, 5, 4, 3, 2};
  EXPECT_EQ(policy::MakeTable(entries, 8).codes[5], 4);
  for (const Table& t : {policy::MakeTable(entries, 2), policy::MakeTable(entries, -4), policy::MakeTable(nullptr, 6)})
    for (int slot = 2; slot < 6; ++slot) EXPECT_FALSE(makerlibs::IsValidFunction(t.codes[slot])) << slot;
}

// Sequences of events on one press memory, each with the table in force and
// the verdict it must get.
struct Step { Button button; bool down; Table table; Verdict verdict; bool injected = false, hasTarget = true; };
Step Press(Button b, const Table& t, Verdict v) { return {b, true, t, v}; }
Step Release(Button b, const Table& t, Verdict v) { return {b, false, t, v}; }
Step Injected(Step s) { s.injected = true; return s; }
Step NoTarget(Step s) { s.hasTarget = false; return s; }

TEST(HookPolicy, AReleaseGetsTheFateOfItsPressAndEverythingElseTheCurrentTable) {
  const Table middleManaged = TableOf({0, 20, 2, 3, 4, 5}), x1None = TableOf({0, 1, 2, -1, 4, 5});
  const Table allManaged = TableOf({9, 9, 9, 9, 9, 9});
  const std::vector<std::vector<Step>> scenarios = {
      // A passed press keeps its release, or the button would stay down for the system.
      {Press(Button::Middle, kIdentity, kPass), Release(Button::Middle, middleManaged, kPass),
       Press(Button::Middle, middleManaged, kReport)},
      {Press(Button::Right, kManaged, kReport), Release(Button::Right, kIdentity, kReport),
       Press(Button::Right, kIdentity, kPass)},
      {Press(Button::X1, x1None, kSwallow), Release(Button::X1, kIdentity, kSwallow)},
      // Presses are remembered per button.
      {Press(Button::Right, kManaged, kReport), Press(Button::Middle, kManaged, kPass),
       Release(Button::Middle, middleManaged, kPass), Release(Button::Right, middleManaged, kReport)},
      // A lost release: the release without press and the second press follow the table.
      {Release(Button::X1, kIdentity, kReport), Press(Button::Right, kManaged, kReport),
       Press(Button::Right, kIdentity, kPass), Release(Button::Right, kManaged, kPass)},
      // Synthesised input passes and leaves the physical press alone.
      {Press(Button::Right, kManaged, kReport), Injected(Release(Button::Right, kManaged, kPass)),
       Release(Button::Right, kIdentity, kReport), Injected(Press(Button::X2, allManaged, kPass)),
       Release(Button::X2, kIdentity, kReport)},
      // Without a target nothing is eaten, and no report is promised.
      {NoTarget(Press(Button::Right, allManaged, kPass)), Release(Button::Right, allManaged, kPass),
       Press(Button::Right, kManaged, kReport), NoTarget(Release(Button::Right, kManaged, kSwallow)),
       NoTarget(Press(Button::X1, allManaged, kPass)), NoTarget(Release(Button::X1, allManaged, kPass))},
  };
  for (std::size_t s = 0; s < scenarios.size(); ++s) {
    policy::PressMemory memory;
    for (std::size_t i = 0; i < scenarios[s].size(); ++i) {
      const Step& step = scenarios[s][i];
      const policy::Decision d =
          policy::Decide(policy::Event{step.button, step.down, step.injected, step.hasTarget}, step.table, memory);
      EXPECT_EQ(d.verdict, step.verdict) << "scenario " << s << " step " << i;
      memory = d.memory;
    }
  }
}

}  // namespace
