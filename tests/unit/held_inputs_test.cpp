#include "actions/held_inputs.h"
#include "actions/input_plan.h"

#include <gtest/gtest.h>

namespace actions {
namespace {

std::vector<Op> Track(HeldInputs& held, Notification n, int code) {
  MacroTable macros{};
  for (const Op& op : PlanForFunction(code, n, macros)) held.Track(op);
  return held.ReleaseAll();
}

TEST(HeldInputs, PressOfAHeldKeyLeavesItToBeReleasedAtExit) {
  HeldInputs held;
  std::vector<Op> release = Track(held, Notification::Press, 29);  // Umschalttaste
  EXPECT_EQ(release, (std::vector<Op>{KeyOp{kVkShift, kKeyUpFlags}}));
  EXPECT_TRUE(held.Empty());
}

TEST(HeldInputs, PressedMouseButtonsAreReleasedAtTheCursor) {
  HeldInputs held;
  MacroTable macros{};
  for (int code : {0, 1, 2})
    for (const Op& op : PlanForFunction(code, Notification::Press, macros)) held.Track(op);
  EXPECT_EQ(held.ReleaseAll(), (std::vector<Op>{MouseOp{kMouseLeftUp, 0, true}, MouseOp{kMouseRightUp, 0, true},
                                                MouseOp{kMouseMiddleUp, 0, true}}));
}

TEST(HeldInputs, CompletedActionsLeaveNothingHeld) {
  MacroTable macros{};
  for (int i = 0; i < 5; ++i) macros[i] = macros[5 + i] = 0x41 + i;
  for (int code : {3, 4, 9, 13, 25, 48}) {
    HeldInputs held;
    for (const Op& op : PlanForFunction(code, Notification::Release, macros)) held.Track(op);
    EXPECT_TRUE(held.Empty()) << "code " << code;
  }
  HeldInputs held;
  for (auto n : {Notification::Press, Notification::Release})
    for (const Op& op : PlanForFunction(10, n, macros)) held.Track(op);
  EXPECT_TRUE(held.Empty());
}

TEST(HeldInputs, AMacroThatReleasesFewerKeysThanItPressedLeavesNothingHeld) {
  MacroTable macros{};
  macros[0] = 0x11;  // Ctrl pressed, never released
  macros[1] = 0x41;
  macros[5] = 0x41;
  HeldInputs held;
  for (const Op& op : PlanForFunction(48, Notification::Release, macros)) held.Track(op);
  EXPECT_TRUE(held.Empty());
}

}  // namespace
}  // namespace actions
