// The mouse hook's rule: pass, report and swallow, or swallow each physical
// button event, and give a release the fate of its press.
#include "makerlibs/hook_policy.h"

#include <gtest/gtest.h>

#include "actions/catalogue.h"

namespace {
namespace policy = makerlibs::hookpolicy;
using policy::Button;
using policy::Decision;
using policy::Event;
using policy::PressMemory;
using policy::Table;
using policy::Verdict;

constexpr Button kAllButtons[] = {Button::Left, Button::Middle, Button::Right, Button::X1, Button::X2};

Table TableOf(int left, int middle, int right, int x1, int x2, int sixth) {
  const int entries[] = {left, middle, right, x1, x2, sixth};
  return policy::MakeTable(entries, 6);
}
// The table the program holds when nothing is stored: every slot its own number.
Table IdentityTable() { return TableOf(0, 1, 2, 3, 4, 5); }
Table Managed() { return TableOf(0, 1, 9, 3, 4, 5); }  // right button copies

Event Press(Button b) { return Event{b, true, false, true}; }
Event Release(Button b) { return Event{b, false, false, true}; }

// Feeds an event, keeping the memory like the hook does.
Verdict Feed(const Event& e, const Table& t, PressMemory* memory) {
  Decision d = policy::Decide(e, t, *memory);
  *memory = d.memory;
  return d.verdict;
}

TEST(HookPolicy, ButtonsCarryTheEventCodesOfTheirSlots) {
  const int codes[] = {32, 8, 16, 12, 14};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(policy::SlotOf(kAllButtons[i]), i);
    EXPECT_EQ(policy::EventCodeOf(kAllButtons[i]), codes[i]);
  }
  EXPECT_EQ(policy::kSixthSlotEventCode, 13);
}

TEST(HookPolicy, TableCopiesAtMostSixEntriesAndMissingOnesHaveNoFunction) {
  const int entries[] = {9, 8, 7, 6, 5, 4, 3, 2};
  Table big = policy::MakeTable(entries, 8);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(big.codes[i], 9 - i);
  Table two = policy::MakeTable(entries, 2);
  for (int i = 2; i < 6; ++i) EXPECT_FALSE(makerlibs::IsValidFunction(two.codes[i]));
  for (Table t : {policy::MakeTable(entries, -4), policy::MakeTable(nullptr, 6)})
    for (int code : t.codes) EXPECT_FALSE(makerlibs::IsValidFunction(code));
}

// The catalogue's native column decides which functions pass through: the
// rows, not a copy in the hook, say what a button does by itself.
TEST(HookPolicy, EveryCodeOfEveryButtonFollowsTheCatalogueRows) {
  for (int code = -2; code < 62; ++code) {
    Table t = TableOf(code, code, code, code, code, code);
    for (Button b : kAllButtons) {
      const int slot = policy::SlotOf(b);
      Verdict expected;
      if (!actions::IsValidCode(code))
        // Fail open for the buttons that work by themselves; the side buttons stay silent.
        expected = slot <= 2 ? Verdict::Pass : Verdict::Swallow;
      else
        expected = actions::FunctionOf(code).nativeSlot == slot ? Verdict::Pass : Verdict::ReportAndSwallow;
      EXPECT_EQ(policy::VerdictFor(b, t), expected) << "code " << code << " slot " << slot;
    }
  }
  // Spot checks in plain numbers, so a wrong catalogue row cannot hide here.
  EXPECT_EQ(policy::VerdictFor(Button::Left, TableOf(7, 1, 2, 3, 4, 5)), Verdict::Pass);
  EXPECT_EQ(policy::VerdictFor(Button::Left, TableOf(2, 1, 0, 3, 4, 5)), Verdict::ReportAndSwallow);
  EXPECT_EQ(policy::VerdictFor(Button::Right, TableOf(-1, -1, -1, -1, -1, -1)), Verdict::Pass);
  EXPECT_EQ(policy::VerdictFor(Button::X1, IdentityTable()), Verdict::ReportAndSwallow);
}

TEST(HookPolicy, SixthSlotInfluencesNoPhysicalButton) {
  for (int sixth : {-1, 0, 1, 2, 47, 99})
    for (Button b : kAllButtons)
      EXPECT_EQ(policy::VerdictFor(b, TableOf(0, 1, 2, 3, 4, sixth)), policy::VerdictFor(b, IdentityTable()));
}

TEST(HookPolicy, AReleaseGetsTheFateOfItsPressWhateverTheTableSaysByThen) {
  struct Case {
    const char* what;
    Button button;
    Table atPress, atRelease;
    Verdict press, release;
  };
  const Case cases[] = {
      // Swallowing a release whose press passed would leave the button down for the system.
      {"passed press", Button::Middle, IdentityTable(), TableOf(0, 20, 2, 3, 4, 5), Verdict::Pass, Verdict::Pass},
      // A reported press must be followed by its reported release.
      {"reported press", Button::Right, Managed(), IdentityTable(), Verdict::ReportAndSwallow,
       Verdict::ReportAndSwallow},
      // No release report without a press report.
      {"silent press", Button::X1, TableOf(0, 1, 2, -1, 4, 5), IdentityTable(), Verdict::Swallow, Verdict::Swallow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PressMemory memory;
    EXPECT_EQ(Feed(Press(c.button), c.atPress, &memory), c.press);
    EXPECT_TRUE(memory.down[policy::SlotOf(c.button)]);
    EXPECT_EQ(Feed(Release(c.button), c.atRelease, &memory), c.release);
    EXPECT_FALSE(memory.down[policy::SlotOf(c.button)]);
    // The next press follows the new table.
    EXPECT_EQ(Feed(Press(c.button), c.atRelease, &memory), policy::VerdictFor(c.button, c.atRelease));
  }
}

TEST(HookPolicy, ButtonsAreRememberedIndependentlyAndDecideIsPure) {
  PressMemory memory;
  EXPECT_EQ(Feed(Press(Button::Right), Managed(), &memory), Verdict::ReportAndSwallow);
  EXPECT_EQ(Feed(Press(Button::Middle), Managed(), &memory), Verdict::Pass);
  const Table flipped = TableOf(0, 30, 2, 3, 4, 5);
  const PressMemory before = memory;
  policy::Decide(Release(Button::Middle), flipped, memory);
  EXPECT_EQ(memory.down[1], before.down[1]) << "Decide leaves the caller's memory alone";
  EXPECT_EQ(Feed(Release(Button::Middle), flipped, &memory), Verdict::Pass);
  EXPECT_EQ(Feed(Release(Button::Right), flipped, &memory), Verdict::ReportAndSwallow);
}

TEST(HookPolicy, ReleaseWithoutPressAndSecondPressAreDecidedByTheCurrentTable) {
  PressMemory memory;
  EXPECT_EQ(Feed(Release(Button::X1), IdentityTable(), &memory), Verdict::ReportAndSwallow);
  EXPECT_EQ(Feed(Release(Button::Right), Managed(), &memory), Verdict::ReportAndSwallow);
  // A release may get lost (another hook ate it): the next press follows the table.
  EXPECT_EQ(Feed(Press(Button::Right), Managed(), &memory), Verdict::ReportAndSwallow);
  EXPECT_EQ(Feed(Press(Button::Right), IdentityTable(), &memory), Verdict::Pass);
  EXPECT_EQ(Feed(Release(Button::Right), Managed(), &memory), Verdict::Pass);
}

TEST(HookPolicy, InjectedInputPassesAndLeavesThePhysicalPressAlone) {
  for (Button b : kAllButtons) {
    PressMemory memory;
    EXPECT_EQ(Feed(Event{b, true, true, true}, TableOf(9, 9, 9, 9, 9, 9), &memory), Verdict::Pass);
    EXPECT_FALSE(memory.down[policy::SlotOf(b)]);
  }
  // The program's own clicks may arrive between a physical press and its release.
  PressMemory memory;
  EXPECT_EQ(Feed(Press(Button::Right), Managed(), &memory), Verdict::ReportAndSwallow);
  EXPECT_EQ(Feed(Event{Button::Right, false, true, true}, Managed(), &memory), Verdict::Pass);
  EXPECT_EQ(Feed(Release(Button::Right), IdentityTable(), &memory), Verdict::ReportAndSwallow);
}

TEST(HookPolicy, WithoutTargetNothingIsEatenNorPromised) {
  for (Button b : kAllButtons) {
    PressMemory memory;
    EXPECT_EQ(Feed(Event{b, true, false, false}, TableOf(9, 9, 9, 9, 9, 9), &memory), Verdict::Pass);
    EXPECT_EQ(Feed(Event{b, false, false, false}, TableOf(9, 9, 9, 9, 9, 9), &memory), Verdict::Pass);
  }
  // A press passed without target keeps its release passing once a target appears.
  PressMemory memory;
  EXPECT_EQ(Feed(Event{Button::Right, true, false, false}, Managed(), &memory), Verdict::Pass);
  EXPECT_EQ(Feed(Release(Button::Right), Managed(), &memory), Verdict::Pass);
  // A reported press whose target vanished swallows its release silently.
  EXPECT_EQ(Feed(Press(Button::Right), Managed(), &memory), Verdict::ReportAndSwallow);
  EXPECT_EQ(Feed(Event{Button::Right, false, false, false}, Managed(), &memory), Verdict::Swallow);
}

}  // namespace
