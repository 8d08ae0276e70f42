#include "actions/input_plan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using actions::ForegroundRule;
using actions::KeyOp;
using actions::MacroTable;
using actions::MouseOp;
using actions::Notification;
using actions::Op;
using actions::PlanForFunction;
using actions::PopupOp;
using actions::PostToForeground;
using actions::ShellAction;
using actions::ShellOp;
using Plan = std::vector<Op>;

// Expected operations spelled with the raw Win32 numbers, not the header's names,
// so that a wrong constant in the product shows up here.
Op Down(std::uint8_t vk) { return KeyOp{vk, 0x1}; }
Op Up(std::uint8_t vk) { return KeyOp{vk, 0x3}; }
Op Held(std::uint32_t flags) { return MouseOp{flags, 0, true}; }
Op Fixed(std::uint32_t flags, std::uint32_t data) { return MouseOp{flags, data, false}; }
Op Post(std::uint32_t message, std::uint64_t wParam, ForegroundRule rule) {
  return PostToForeground{message, wParam, 0, rule};
}
Op Shell(ShellAction action) { return ShellOp{action}; }

// Three macros with distinct keys, so that replaying the wrong one or the wrong
// half of one is caught.
const MacroTable kMacros = {
    0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x30,  // macro 1
    0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A,  // macro 2
    0x4B, 0x4C, 0x4D, 0x4E, 0x4F, 0x50, 0x51, 0x52, 0x53, 0x54,  // macro 3
};

struct Row {
  int code;
  Plan press;
  Plan release;
};

std::vector<Row> AllFunctions() {
  const Plan none;
  const auto held = [](std::uint8_t vk) { return Row{0, {Down(vk)}, {Up(vk)}}; };
  std::vector<Row> rows = {
      {0, {Held(0x0002)}, {Held(0x0004)}},
      {1, {Held(0x0020)}, {Held(0x0040)}},
      {2, {Held(0x0008)}, {Held(0x0010)}},
      {3, none, {Fixed(0x0080, 1), Fixed(0x0100, 1)}},
      {4, none, {Fixed(0x0080, 2), Fixed(0x0100, 2)}},
      {5, {Down(0x12)}, {Up(0x12)}},
      {6, {Down(0x08)}, {Up(0x08)}},
      {7, {Held(0x0002)}, {Held(0x0004)}},
      {8, none, {Post(0x0010, 0, ForegroundRule::Any)}},
      {9, none, {Down(0x11), Down(0x43), Up(0x11), Up(0x43)}},
      {10, {Down(0x11)}, {Up(0x11)}},
      {11, none, {Down(0x11), Down(0x58), Up(0x11), Up(0x58)}},
      {12, {Down(0x2E)}, {Up(0x2E)}},
      {13, none, {Fixed(0x0002, 0), Fixed(0x0004, 0), Fixed(0x0002, 0), Fixed(0x0004, 0)}},
      {14, {Down(0x0D)}, {Up(0x0D)}},
      {15, {Down(0x1B)}, {Up(0x1B)}},
      {16, none, {Shell(ShellAction::OpenDrivesFolder)}},
      {17, {Down(0x22)}, {Up(0x22)}},
      {18, {Down(0x21)}, {Up(0x21)}},
      {19, none, {Post(0x0111, 41522, ForegroundRule::Any)}},
      {20, none, {Shell(ShellAction::FindComputer)}},
      {21, none, {Shell(ShellAction::FindFiles)}},
      {22, none, {Post(0x0112, 0xF030, ForegroundRule::NotTaskbar)}},
      {23, none, {Post(0x0112, 0xF020, ForegroundRule::NotMinimisedTaskbarOrTab)}},
      {24, none, {Down(0x11), Down(0x56), Up(0x11), Up(0x56)}},
      {25, none, {Down(0x12), Down(0x09), Up(0x12), Up(0x09)}},
      {26, none, {Down(0x11), Down(0x59), Up(0x11), Up(0x59)}},
      {27, none, {Shell(ShellAction::FileRun)}},
      {28, none, {Down(0x11), Down(0x41), Up(0x11), Up(0x41)}},
      {29, {Down(0x10)}, {Up(0x10)}},
      {30, {Down(0x20)}, {Up(0x20)}},
      {31, {Down(0x5B)}, {Up(0x5B)}},
      {32, {Down(0x09)}, {Up(0x09)}},
      {33, none, {Down(0x11), Down(0x5A), Up(0x11), Up(0x5A)}},
      {34, none, {Shell(ShellAction::ShowDesktop)}},
  };
  const std::uint8_t functionKeys[] = {0x70, 0x71, 0x72, 0x73, 0x74, 0x75,
                                       0x76, 0x77, 0x78, 0x79, 0x7A, 0x7B};
  for (int i = 0; i < 12; ++i) {
    Row row = held(functionKeys[i]);
    row.code = 35 + i;
    rows.push_back(row);
  }
  rows.push_back({47, {PopupOp{}}, {PopupOp{}}});
  // The release entries release other keys than the press entries: the
  // pressed ones are released after them, so no replay leaves a key down.
  rows.push_back({48, none,
                  {Down(0x31), Down(0x32), Down(0x33), Down(0x34), Down(0x35), Up(0x36), Up(0x37), Up(0x38),
                   Up(0x39), Up(0x30), Up(0x31), Up(0x32), Up(0x33), Up(0x34), Up(0x35)}});
  rows.push_back({49, none,
                  {Down(0x41), Down(0x42), Down(0x43), Down(0x44), Down(0x45), Up(0x46), Up(0x47), Up(0x48),
                   Up(0x49), Up(0x4A), Up(0x41), Up(0x42), Up(0x43), Up(0x44), Up(0x45)}});
  rows.push_back({50, none,
                  {Down(0x4B), Down(0x4C), Down(0x4D), Down(0x4E), Down(0x4F), Up(0x50), Up(0x51), Up(0x52),
                   Up(0x53), Up(0x54), Up(0x4B), Up(0x4C), Up(0x4D), Up(0x4E), Up(0x4F)}});
  return rows;
}

TEST(InputPlan, EveryFunctionPlansExactOperationsOnPressAndRelease) {
  const std::vector<Row> rows = AllFunctions();
  ASSERT_EQ(rows.size(), 51u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Row& row = rows[i];
    SCOPED_TRACE(testing::Message() << "function " << row.code);
    ASSERT_EQ(row.code, static_cast<int>(i));  // the table itself covers 0..50 in order
    EXPECT_EQ(PlanForFunction(row.code, Notification::Press, kMacros), row.press);
    EXPECT_EQ(PlanForFunction(row.code, Notification::Release, kMacros), row.release);
  }
}

TEST(InputPlan, CodesOutsideTheCatalogueDoNothing) {
  for (int code : {-1, 51, 60}) {
    SCOPED_TRACE(code);
    EXPECT_TRUE(PlanForFunction(code, Notification::Press, kMacros).empty());
    EXPECT_TRUE(PlanForFunction(code, Notification::Release, kMacros).empty());
  }
}

TEST(InputPlan, MacroSendsEmptyEntriesAsKeyZeroInsteadOfSkippingThem) {
  MacroTable macros{};
  // Macro 2 (function 49): press A, B; release A, B.
  macros[10] = 0x41;
  macros[11] = 0x42;
  macros[15] = 0x41;
  macros[16] = 0x42;
  const Plan expected = {Down(0x41), Down(0x42), Down(0), Down(0), Down(0),
                         Up(0x41),   Up(0x42),   Up(0),   Up(0),   Up(0)};
  EXPECT_EQ(PlanForFunction(49, Notification::Release, macros), expected);
  EXPECT_TRUE(PlanForFunction(49, Notification::Press, macros).empty());
}

TEST(InputPlan, MacroReleasesAtTheEndWhatNoReleaseEntryReleases) {
  MacroTable macros{};
  // Written by an outside tool: Ctrl and C pressed, only C released, Ctrl twice.
  macros[0] = 0x11;
  macros[1] = 0x43;
  macros[2] = 0x11;
  macros[5] = 0x43;
  const Plan expected = {Down(0x11), Down(0x43), Down(0x11), Down(0), Down(0), Up(0x43), Up(0),
                         Up(0),      Up(0),      Up(0),      Up(0x11)};
  EXPECT_EQ(PlanForFunction(48, Notification::Release, macros), expected);
}

TEST(InputPlan, MacroUsesOnlyTheLowByteOfAnEntry) {
  MacroTable macros{};
  macros[20] = 0x141;
  macros[25] = 0x7F41;
  const Plan expected = {Down(0x41), Down(0), Down(0), Down(0), Down(0),
                         Up(0x41),   Up(0),   Up(0),   Up(0),   Up(0)};
  EXPECT_EQ(PlanForFunction(50, Notification::Release, macros), expected);
}

TEST(InputPlan, ForegroundRulesSkipTaskbarTabControlAndMinimisedWindows) {
  struct Case {
    ForegroundRule rule;
    const char* windowClass;
    bool minimised;
    bool allowed;
  };
  const Case cases[] = {
      {ForegroundRule::Any, "Shell_TrayWnd", true, true},
      {ForegroundRule::NotTaskbar, "Notepad", false, true},
      {ForegroundRule::NotTaskbar, "Notepad", true, true},
      {ForegroundRule::NotTaskbar, "Shell_TrayWnd", false, false},
      {ForegroundRule::NotTaskbar, "shell_traywnd", false, true},  // exact match only
      {ForegroundRule::NotTaskbar, "SysTabControl32", false, true},
      {ForegroundRule::NotMinimisedTaskbarOrTab, "Notepad", false, true},
      {ForegroundRule::NotMinimisedTaskbarOrTab, "Notepad", true, false},
      {ForegroundRule::NotMinimisedTaskbarOrTab, "Shell_TrayWnd", false, false},
      {ForegroundRule::NotMinimisedTaskbarOrTab, "SysTabControl32", false, false},
      {ForegroundRule::NotMinimisedTaskbarOrTab, "SysTabControl32x", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.windowClass << " minimised=" << c.minimised);
    EXPECT_EQ(actions::RuleAllowsWindow(c.rule, c.windowClass, c.minimised), c.allowed);
  }
  EXPECT_STREQ(actions::kTaskbarClass, "Shell_TrayWnd");
  EXPECT_STREQ(actions::kTabControlClass, "SysTabControl32");
}

TEST(InputPlan, OperationsPrintReadably) {
  EXPECT_EQ(actions::ToString(Held(0x0002)), "Mouse(LEFTDOWN, data 0, at cursor)");
  EXPECT_EQ(actions::ToString(Fixed(0x0100, 2)), "Mouse(XUP, data 2, at 0,0)");
  EXPECT_EQ(actions::ToString(Up(0x43)), "Key(0x43 up)");
}

}  // namespace
