#include "makerlibs/hook_policy.h"

#include <gtest/gtest.h>

#include "actions/catalogue.h"

namespace {
using hookpolicy::Button;
using hookpolicy::Decide;
using hookpolicy::Decision;
using hookpolicy::Event;
using hookpolicy::MakeTable;
using hookpolicy::PressMemory;
using hookpolicy::Table;
using hookpolicy::Verdict;

constexpr Button kAllButtons[] = {Button::Left, Button::Middle, Button::Right, Button::X1, Button::X2};

Table TableOf(int left, int middle, int right, int x1, int x2, int sixth) {
  const int entries[] = {left, middle, right, x1, x2, sixth};
  return MakeTable(entries, 6);
}

// The table the program holds when nothing is stored: every slot its own number.
Table IdentityTable() { return TableOf(0, 1, 2, 3, 4, 5); }

Event Press(Button b) { return Event{b, true, false, true}; }
Event Release(Button b) { return Event{b, false, false, true}; }

// Feeds an event, keeping the memory like the hook does.
Decision Feed(const Event& e, const Table& t, PressMemory* memory) {
  Decision d = Decide(e, t, *memory);
  *memory = d.memory;
  return d;
}

TEST(HookPolicyCodes, EventCodesOfThePhysicalButtons) {
  EXPECT_EQ(32, hookpolicy::EventCodeOf(Button::Left));
  EXPECT_EQ(8, hookpolicy::EventCodeOf(Button::Middle));
  EXPECT_EQ(16, hookpolicy::EventCodeOf(Button::Right));
  EXPECT_EQ(12, hookpolicy::EventCodeOf(Button::X1));
  EXPECT_EQ(14, hookpolicy::EventCodeOf(Button::X2));
  EXPECT_EQ(13, hookpolicy::kSixthSlotEventCode);
}

TEST(HookPolicyCodes, AgreeWithTheCatalogue) {
  for (Button b : kAllButtons) {
    EXPECT_EQ(catalogue::EventCodeOfSlot(hookpolicy::SlotOf(b)), hookpolicy::EventCodeOf(b));
    EXPECT_EQ(hookpolicy::SlotOf(b), catalogue::SlotOfEventCode(hookpolicy::EventCodeOf(b)));
  }
  EXPECT_EQ(catalogue::EventCodeOfSlot(5), hookpolicy::kSixthSlotEventCode);
  EXPECT_EQ(catalogue::kSlotCount, hookpolicy::kSlotCount);
  EXPECT_EQ(catalogue::kFunctionCount, hookpolicy::kFunctionCount);
  for (int code = -3; code < 60; ++code) EXPECT_EQ(catalogue::IsValidCode(code), hookpolicy::IsValidFunction(code));
}

TEST(HookPolicyCodes, SlotOrder) {
  EXPECT_EQ(0, hookpolicy::SlotOf(Button::Left));
  EXPECT_EQ(1, hookpolicy::SlotOf(Button::Middle));
  EXPECT_EQ(2, hookpolicy::SlotOf(Button::Right));
  EXPECT_EQ(3, hookpolicy::SlotOf(Button::X1));
  EXPECT_EQ(4, hookpolicy::SlotOf(Button::X2));
}

TEST(HookPolicyTable, CopiesTheGivenEntries) {
  Table t = TableOf(5, 6, 7, 8, 9, 10);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(5 + i, t.codes[i]);
}

TEST(HookPolicyTable, MissingEntriesHaveNoFunction) {
  const int entries[] = {0, 1};
  Table t = MakeTable(entries, 2);
  EXPECT_EQ(0, t.codes[0]);
  EXPECT_EQ(1, t.codes[1]);
  for (int i = 2; i < 6; ++i) EXPECT_FALSE(hookpolicy::IsValidFunction(t.codes[i]));
}

TEST(HookPolicyTable, CountIsClampedAndNullIsEmpty) {
  const int entries[] = {9, 9, 9, 9, 9, 9, 9, 9};
  Table big = MakeTable(entries, 8);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(9, big.codes[i]);
  Table negative = MakeTable(entries, -4);
  Table null = MakeTable(nullptr, 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_FALSE(hookpolicy::IsValidFunction(negative.codes[i]));
    EXPECT_FALSE(hookpolicy::IsValidFunction(null.codes[i]));
  }
}

TEST(HookPolicyVerdict, NativeFunctionsPassThrough) {
  Table t = IdentityTable();
  EXPECT_EQ(Verdict::Pass, hookpolicy::VerdictFor(Button::Left, t));
  EXPECT_EQ(Verdict::Pass, hookpolicy::VerdictFor(Button::Middle, t));
  EXPECT_EQ(Verdict::Pass, hookpolicy::VerdictFor(Button::Right, t));
  // Code 7 is a left click as well.
  EXPECT_EQ(Verdict::Pass, hookpolicy::VerdictFor(Button::Left, TableOf(7, 1, 2, 3, 4, 5)));
}

TEST(HookPolicyVerdict, SideButtonsAreAlwaysPerformedByTheProgram) {
  Table t = IdentityTable();
  EXPECT_EQ(Verdict::ReportAndSwallow, hookpolicy::VerdictFor(Button::X1, t));
  EXPECT_EQ(Verdict::ReportAndSwallow, hookpolicy::VerdictFor(Button::X2, t));
  for (int code = 0; code < 51; ++code) {
    Table all = TableOf(code, code, code, code, code, code);
    EXPECT_EQ(Verdict::ReportAndSwallow, hookpolicy::VerdictFor(Button::X1, all)) << code;
    EXPECT_EQ(Verdict::ReportAndSwallow, hookpolicy::VerdictFor(Button::X2, all)) << code;
  }
}

TEST(HookPolicyVerdict, EveryCodeOfEveryButton) {
  for (int code = -2; code < 53; ++code) {
    Table t = TableOf(code, code, code, code, code, code);
    bool valid = code >= 0 && code <= 50;
    Verdict left = !valid || code == 0 || code == 7 ? Verdict::Pass : Verdict::ReportAndSwallow;
    Verdict middle = !valid ? Verdict::Swallow : code == 1 ? Verdict::Pass : Verdict::ReportAndSwallow;
    Verdict right = !valid ? Verdict::Swallow : code == 2 ? Verdict::Pass : Verdict::ReportAndSwallow;
    Verdict side = !valid ? Verdict::Swallow : Verdict::ReportAndSwallow;
    EXPECT_EQ(left, hookpolicy::VerdictFor(Button::Left, t)) << code;
    EXPECT_EQ(middle, hookpolicy::VerdictFor(Button::Middle, t)) << code;
    EXPECT_EQ(right, hookpolicy::VerdictFor(Button::Right, t)) << code;
    EXPECT_EQ(side, hookpolicy::VerdictFor(Button::X1, t)) << code;
    EXPECT_EQ(side, hookpolicy::VerdictFor(Button::X2, t)) << code;
  }
}

TEST(HookPolicyVerdict, LeftButtonWithoutFunctionKeepsWorking) {
  EXPECT_EQ(Verdict::Pass, hookpolicy::VerdictFor(Button::Left, TableOf(-1, 1, 2, 3, 4, 5)));
  EXPECT_EQ(Verdict::Pass, hookpolicy::VerdictFor(Button::Left, TableOf(51, 1, 2, 3, 4, 5)));
  EXPECT_EQ(Verdict::Pass, hookpolicy::VerdictFor(Button::Left, Table{}));
}

TEST(HookPolicyVerdict, OtherButtonsWithoutFunctionAreSwallowed) {
  Table none{};
  EXPECT_EQ(Verdict::Swallow, hookpolicy::VerdictFor(Button::Middle, none));
  EXPECT_EQ(Verdict::Swallow, hookpolicy::VerdictFor(Button::Right, none));
  EXPECT_EQ(Verdict::Swallow, hookpolicy::VerdictFor(Button::X1, none));
  EXPECT_EQ(Verdict::Swallow, hookpolicy::VerdictFor(Button::X2, none));
}

TEST(HookPolicyVerdict, ButtonsSwappedAreReported) {
  // Left does a right click and right does a left click: both are performed by the program.
  Table t = TableOf(2, 1, 0, 3, 4, 5);
  EXPECT_EQ(Verdict::ReportAndSwallow, hookpolicy::VerdictFor(Button::Left, t));
  EXPECT_EQ(Verdict::ReportAndSwallow, hookpolicy::VerdictFor(Button::Right, t));
  EXPECT_EQ(Verdict::Pass, hookpolicy::VerdictFor(Button::Middle, t));
}

TEST(HookPolicyVerdict, SixthSlotDoesNotInfluenceAnyButton) {
  for (int sixth : {-1, 0, 1, 2, 47, 50, 99}) {
    Table t = TableOf(0, 1, 2, 3, 4, sixth);
    EXPECT_EQ(Verdict::Pass, hookpolicy::VerdictFor(Button::Left, t));
    EXPECT_EQ(Verdict::Pass, hookpolicy::VerdictFor(Button::Middle, t));
    EXPECT_EQ(Verdict::Pass, hookpolicy::VerdictFor(Button::Right, t));
    EXPECT_EQ(Verdict::ReportAndSwallow, hookpolicy::VerdictFor(Button::X1, t));
  }
}

TEST(HookPolicyDecide, PressAndReleaseCarryTheButtonsEventCode) {
  Table t = TableOf(9, 9, 9, 9, 9, 9);
  PressMemory memory;
  for (Button b : kAllButtons) {
    Decision down = Feed(Press(b), t, &memory);
    Decision up = Feed(Release(b), t, &memory);
    EXPECT_EQ(Verdict::ReportAndSwallow, down.verdict);
    EXPECT_EQ(Verdict::ReportAndSwallow, up.verdict);
    EXPECT_EQ(hookpolicy::EventCodeOf(b), down.eventCode);
    EXPECT_EQ(hookpolicy::EventCodeOf(b), up.eventCode);
  }
}

TEST(HookPolicyDecide, PressIsRememberedUntilRelease) {
  PressMemory memory;
  Decision down = Feed(Press(Button::Right), TableOf(0, 1, 9, 3, 4, 5), &memory);
  EXPECT_TRUE(down.memory.down[2]);
  EXPECT_EQ(Verdict::ReportAndSwallow, down.memory.verdict[2]);
  Decision up = Feed(Release(Button::Right), TableOf(0, 1, 9, 3, 4, 5), &memory);
  EXPECT_FALSE(up.memory.down[2]);
}

TEST(HookPolicyDecide, DecideIsPure) {
  PressMemory memory;
  Table t = TableOf(0, 1, 9, 3, 4, 5);
  Decision a = Decide(Press(Button::Right), t, memory);
  Decision b = Decide(Press(Button::Right), t, memory);
  EXPECT_FALSE(memory.down[2]);
  EXPECT_EQ(a.verdict, b.verdict);
  EXPECT_EQ(a.memory.down[2], b.memory.down[2]);
}

TEST(HookPolicyDecide, ReportedPressKeepsItsDecisionWhenTheTableTurnsNative) {
  PressMemory memory;
  EXPECT_EQ(Verdict::ReportAndSwallow, Feed(Press(Button::Right), TableOf(0, 1, 9, 3, 4, 5), &memory).verdict);
  // The user restored the right button meanwhile: the release still belongs to the program,
  // otherwise the system would see a right button release without its press.
  EXPECT_EQ(Verdict::ReportAndSwallow, Feed(Release(Button::Right), IdentityTable(), &memory).verdict);
  // The next press follows the new table.
  EXPECT_EQ(Verdict::Pass, Feed(Press(Button::Right), IdentityTable(), &memory).verdict);
  EXPECT_EQ(Verdict::Pass, Feed(Release(Button::Right), IdentityTable(), &memory).verdict);
}

TEST(HookPolicyDecide, PassedPressKeepsItsReleaseWhenTheTableBecomesManaged) {
  PressMemory memory;
  EXPECT_EQ(Verdict::Pass, Feed(Press(Button::Middle), IdentityTable(), &memory).verdict);
  // Swallowing this release would leave the middle button stuck down for the system.
  EXPECT_EQ(Verdict::Pass, Feed(Release(Button::Middle), TableOf(0, 20, 2, 3, 4, 5), &memory).verdict);
}

TEST(HookPolicyDecide, SilentlySwallowedPressKeepsItsRelease) {
  PressMemory memory;
  Table none = TableOf(0, -1, 2, 3, 4, 5);
  EXPECT_EQ(Verdict::Swallow, Feed(Press(Button::Middle), none, &memory).verdict);
  // The function appears meanwhile: no release report without a press report.
  EXPECT_EQ(Verdict::Swallow, Feed(Release(Button::Middle), TableOf(0, 20, 2, 3, 4, 5), &memory).verdict);
}

TEST(HookPolicyDecide, ReleaseWithoutRecordedPressUsesTheCurrentTable) {
  PressMemory memory;
  EXPECT_EQ(Verdict::ReportAndSwallow, Feed(Release(Button::X1), IdentityTable(), &memory).verdict);
  EXPECT_EQ(Verdict::Pass, Feed(Release(Button::Right), IdentityTable(), &memory).verdict);
  EXPECT_EQ(Verdict::Swallow, Feed(Release(Button::Right), TableOf(0, 1, -1, 3, 4, 5), &memory).verdict);
  EXPECT_EQ(Verdict::Pass, Feed(Release(Button::Left), TableOf(-1, 1, 2, 3, 4, 5), &memory).verdict);
}

TEST(HookPolicyDecide, ButtonsAreRememberedIndependently) {
  PressMemory memory;
  Table managed = TableOf(0, 1, 9, 3, 4, 5);
  EXPECT_EQ(Verdict::ReportAndSwallow, Feed(Press(Button::Right), managed, &memory).verdict);
  EXPECT_EQ(Verdict::Pass, Feed(Press(Button::Middle), managed, &memory).verdict);
  Table flipped = TableOf(0, 30, 2, 3, 4, 5);
  EXPECT_EQ(Verdict::Pass, Feed(Release(Button::Middle), flipped, &memory).verdict);
  EXPECT_EQ(Verdict::ReportAndSwallow, Feed(Release(Button::Right), flipped, &memory).verdict);
}

TEST(HookPolicyDecide, SecondPressWithoutReleaseIsDecidedAfresh) {
  // A release may get lost (another hook ate it): the next press follows the table.
  PressMemory memory;
  EXPECT_EQ(Verdict::ReportAndSwallow, Feed(Press(Button::Right), TableOf(0, 1, 9, 3, 4, 5), &memory).verdict);
  EXPECT_EQ(Verdict::Pass, Feed(Press(Button::Right), IdentityTable(), &memory).verdict);
  EXPECT_EQ(Verdict::Pass, Feed(Release(Button::Right), TableOf(0, 1, 9, 3, 4, 5), &memory).verdict);
}

TEST(HookPolicyDecide, InjectedInputIsNeverReportedNorSwallowed) {
  for (Button b : kAllButtons) {
    for (Table t : {IdentityTable(), TableOf(9, 9, 9, 9, 9, 9), Table{}}) {
      PressMemory memory;
      Decision down = Feed(Event{b, true, true, true}, t, &memory);
      Decision up = Feed(Event{b, false, true, true}, t, &memory);
      EXPECT_EQ(Verdict::Pass, down.verdict);
      EXPECT_EQ(Verdict::Pass, up.verdict);
      EXPECT_FALSE(memory.down[hookpolicy::SlotOf(b)]);
    }
  }
}

TEST(HookPolicyDecide, InjectedInputLeavesThePhysicalPressAlone) {
  // The program's own synthesised clicks may arrive between a physical press and
  // its release; they must not disturb what was remembered for the press.
  PressMemory memory;
  Table managed = TableOf(0, 1, 9, 3, 4, 5);
  EXPECT_EQ(Verdict::ReportAndSwallow, Feed(Press(Button::Right), managed, &memory).verdict);
  EXPECT_EQ(Verdict::Pass, Feed(Event{Button::Right, true, true, true}, managed, &memory).verdict);
  EXPECT_EQ(Verdict::Pass, Feed(Event{Button::Right, false, true, true}, managed, &memory).verdict);
  EXPECT_TRUE(memory.down[2]);
  EXPECT_EQ(Verdict::ReportAndSwallow, Feed(Release(Button::Right), IdentityTable(), &memory).verdict);
}

TEST(HookPolicyDecide, WithoutTargetEverythingPasses) {
  for (Button b : kAllButtons) {
    for (Table t : {IdentityTable(), TableOf(9, 9, 9, 9, 9, 9), Table{}}) {
      PressMemory memory;
      EXPECT_EQ(Verdict::Pass, Feed(Event{b, true, false, false}, t, &memory).verdict);
      EXPECT_EQ(Verdict::Pass, Feed(Event{b, false, false, false}, t, &memory).verdict);
    }
  }
}

TEST(HookPolicyDecide, PassedPressWithoutTargetKeepsItsReleaseWhenATargetAppears) {
  PressMemory memory;
  Table managed = TableOf(0, 1, 9, 3, 4, 5);
  EXPECT_EQ(Verdict::Pass, Feed(Event{Button::Right, true, false, false}, managed, &memory).verdict);
  EXPECT_EQ(Verdict::Pass, Feed(Release(Button::Right), managed, &memory).verdict);
}

TEST(HookPolicyDecide, ReportedPressWhoseTargetVanishedSwallowsItsReleaseSilently) {
  PressMemory memory;
  Table managed = TableOf(0, 1, 9, 3, 4, 5);
  EXPECT_EQ(Verdict::ReportAndSwallow, Feed(Press(Button::Right), managed, &memory).verdict);
  EXPECT_EQ(Verdict::Swallow, Feed(Event{Button::Right, false, false, false}, managed, &memory).verdict);
  EXPECT_FALSE(memory.down[2]);
}

TEST(HookPolicyDecide, FactoryDefaultsOfTheCatalogue) {
  Table t;
  for (int slot = 0; slot < 6; ++slot) t.codes[slot] = catalogue::FactoryDefault(slot);
  EXPECT_EQ(Verdict::Pass, hookpolicy::VerdictFor(Button::Left, t));
  EXPECT_EQ(Verdict::Pass, hookpolicy::VerdictFor(Button::Middle, t));
  EXPECT_EQ(Verdict::Pass, hookpolicy::VerdictFor(Button::Right, t));
  EXPECT_EQ(Verdict::ReportAndSwallow, hookpolicy::VerdictFor(Button::X1, t));
  EXPECT_EQ(Verdict::ReportAndSwallow, hookpolicy::VerdictFor(Button::X2, t));
}

}  // namespace
