// What the button functions may send: a release belongs to its press, an input
// stays down while any held function holds it, and nothing stays down for good.
#include "actions/button_states.h"
#include "actions/held_inputs.h"
#include "actions/input_plan.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace actions {
namespace {

// The executor's loop without the system: which events go out.
struct Engine {
  ButtonStates buttons;
  HeldInputs held;
  MacroTable macros{};
  std::vector<Op> sent;

  void Event(int eventCode, Notification n, const ButtonTable& table) {
    const std::optional<int> code = buttons.Take(eventCode, n, table);
    if (!code) return;
    for (const Op& op : PlanForFunction(*code, n, macros))
      if (held.Admit(op, HoldsInput(*code))) sent.push_back(op);
  }
  std::string Sent() const {
    std::string text;
    for (const Op& op : sent) text += ToString(op) + " ";
    return text;
  }
};

constexpr Notification kPress = Notification::Press, kRelease = Notification::Release;

TEST(ButtonFunctions, AReleaseUndoesItsOwnPressWhateverTheTableSaysByThen) {
  Engine e;
  e.Event(14, kPress, {0, 1, 2, 3, 10, 5});    // 5th holds Ctrl
  e.Event(14, kRelease, {0, 1, 2, 3, 9, 5});   // the table was reloaded meanwhile: Copy
  EXPECT_EQ(e.Sent(), "Key(0x11 down) Key(0x11 up) ");
  EXPECT_TRUE(e.held.Empty());
}

TEST(ButtonFunctions, StrayPressesAndReleasesPerformNothing) {
  Engine e;
  const ButtonTable table{0, 1, 2, 3, 10, 5};
  e.Event(14, kRelease, table);  // a release without its press
  e.Event(14, kPress, table);
  e.Event(14, kPress, table);    // pressed again without a release in between
  e.Event(14, kRelease, table);
  e.Event(14, kRelease, table);
  EXPECT_EQ(e.Sent(), "Key(0x11 down) Key(0x11 up) ");
  EXPECT_FALSE(e.buttons.AnyDown());
  for (int code : {36, 37, 0, -1}) EXPECT_FALSE(e.buttons.Take(code, kPress, table)) << code;
}

TEST(ButtonFunctions, AnInputStaysDownWhileAnyHeldFunctionHoldsIt) {
  Engine e;
  const ButtonTable table{0, 10, 2, 10, 9, 5};  // wheel button and 4th both hold Ctrl, 5th copies
  e.Event(8, kPress, table);
  e.Event(12, kPress, table);
  e.Event(8, kRelease, table);
  EXPECT_EQ(e.Sent(), "Key(0x11 down) ") << "still held by the 4th";
  // A shortcut meanwhile leaves the held Ctrl alone.
  e.Event(14, kPress, table);
  e.Event(14, kRelease, table);
  EXPECT_EQ(e.Sent(), "Key(0x11 down) Key(0x43 down) Key(0x43 up) ");
  e.Event(12, kRelease, table);
  EXPECT_EQ(e.Sent(), "Key(0x11 down) Key(0x43 down) Key(0x43 up) Key(0x11 up) ");
  EXPECT_TRUE(e.held.Empty());
}

TEST(ButtonFunctions, ReleaseAllLetsGoOfHeldAndHalfSentInputs) {
  Engine e;
  e.Event(32, kPress, {0, 1, 2, 3, 4, 5});
  e.Event(8, kPress, {0, 29, 2, 3, 4, 5});
  // An action cut short at exit: a key went down, its up never came.
  EXPECT_TRUE(e.held.Admit(KeyOp{0x43, kKeyDownFlags}, false));
  EXPECT_EQ(e.held.ReleaseAll(), (std::vector<Op>{KeyOp{0x10, kKeyUpFlags}, KeyOp{0x43, kKeyUpFlags},
                                                  MouseOp{kMouseLeftUp, 0, true}}));
  EXPECT_TRUE(e.held.Empty());
  EXPECT_TRUE(e.held.ReleaseAll().empty());
}

TEST(ButtonFunctions, CompletedActionsLeaveNothingDown) {
  for (int code = 0; code < kFunctionCount; ++code) {
    Engine e;
    for (std::size_t i = 0; i < 5; ++i) e.macros[i] = e.macros[5 + i] = 0x41 + static_cast<int>(i);
    ButtonTable table{};
    table.fill(code);
    e.Event(12, kPress, table);
    e.Event(12, kRelease, table);
    EXPECT_TRUE(e.held.Empty()) << "code " << code;
  }
}

// Random interleavings of two buttons holding functions, stray events and a
// shortcut: every down that went out has its up once the buttons are released.
TEST(ButtonFunctions, StormsOfPressesAndReleasesLeaveEveryDownWithItsUp) {
  std::mt19937 random(20261207);
  const ButtonTable tables[] = {{0, 10, 2, 10, 9, 5}, {0, 29, 2, 10, 0, 5}, {0, 1, 7, 2, 25, 5}};
  for (int run = 0; run < 200; ++run) {
    Engine e;
    for (int step = 0; step < 60; ++step) {
      const int eventCode = std::array<int, 4>{8, 12, 14, 16}[random() % 4];
      e.Event(eventCode, random() % 2 ? kPress : kRelease, tables[random() % 3]);
    }
    for (int eventCode : {8, 12, 14, 16}) e.Event(eventCode, kRelease, tables[0]);
    std::map<std::string, int> balance;
    for (const Op& op : e.sent) {
      std::string text = ToString(op);
      const bool up = text.find(" up") != std::string::npos || text.find("UP") != std::string::npos;
      const std::size_t cut = text.find(up ? (text[0] == 'K' ? " up" : "UP") : (text[0] == 'K' ? " down" : "DOWN"));
      balance[text.substr(0, cut)] += up ? -1 : 1;
    }
    for (const auto& [input, count] : balance) EXPECT_EQ(count, 0) << input << " in run " << run << ": " << e.Sent();
    EXPECT_TRUE(e.held.Empty());
  }
}

}  // namespace
}  // namespace actions
