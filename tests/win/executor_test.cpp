// The executor performing plans through a recording input sink and host.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/executor_win.h"

namespace {

class RecordingInput : public actions::InputSink {
 public:
  void MouseEvent(DWORD flags, DWORD dx, DWORD dy, DWORD data) override {
    events.push_back("mouse " + std::to_string(flags) + " " + std::to_string(dx) + "," + std::to_string(dy) + " " +
                     std::to_string(data));
  }
  void KeyEvent(BYTE vk, DWORD flags) override {
    events.push_back("key " + std::to_string(vk) + " " + std::to_string(flags));
  }
  POINT CursorPos() override { return POINT{123, 456}; }
  std::vector<std::string> events;
};

class RecordingHost : public actions::ActionHost {
 public:
  void Shell(actions::ShellAction action) override { events.push_back("shell " + std::to_string(static_cast<int>(action))); }
  void OpenLauncher() override { events.push_back("launcher"); }
  std::vector<std::string> events;
};

class Executor : public testing::Test {
 protected:
  void Event(int eventCode, actions::Notification n) { executor.OnButtonEvent(eventCode, n, buttons, macros); }
  void Click(int eventCode) {
    Event(eventCode, actions::Notification::Press);
    Event(eventCode, actions::Notification::Release);
  }

  RecordingInput input;
  RecordingHost host;
  actions::Executor executor{input, host};
  actions::ButtonTable buttons{0, 1, 2, 3, 4, 5};
  actions::MacroTable macros{};
};

using Strings = std::vector<std::string>;

TEST_F(Executor, HeldMouseButtonsActAtTheCursorClicksAtZero) {
  buttons[2] = 0;  // right button performs a left click
  Click(16);
  Click(12);  // fourth button: Zurück
  EXPECT_EQ(input.events, (Strings{"mouse 2 123,456 0", "mouse 4 123,456 0", "mouse 128 0,0 1", "mouse 256 0,0 1"}));
  EXPECT_TRUE(host.events.empty());
}

TEST_F(Executor, KeysCarryTheExtendedFlagAndShortcutsReleaseTheModifierFirst) {
  buttons[4] = 25;  // Alt+Tab
  Event(14, actions::Notification::Press);
  EXPECT_TRUE(input.events.empty());
  Event(14, actions::Notification::Release);
  EXPECT_EQ(input.events, (Strings{"key 18 1", "key 9 1", "key 18 3", "key 9 3"}));
}

TEST_F(Executor, ResolutionCodesAreNoButtonEvents) {
  buttons = {47, 47, 47, 47, 47, 47};
  for (int code : {36, 40, 44, 48}) {
    Event(code, actions::Notification::Press);
    Event(code, actions::Notification::Release);
  }
  EXPECT_TRUE(host.events.empty());
  EXPECT_TRUE(input.events.empty());
}

TEST_F(Executor, ShellActionsAndTheLauncherGoToTheHost) {
  buttons[3] = 27;  // Ausführen...
  buttons[5] = 47;  // Hot-Button-Menü, sixth slot
  Click(12);
  Click(13);
  EXPECT_EQ(host.events, (Strings{"shell " + std::to_string(static_cast<int>(actions::ShellAction::FileRun)), "launcher",
                                  "launcher"}));
}

TEST_F(Executor, ReleaseHeldLiftsWhatHeldFunctionsLeftDownAndOnlyThat) {
  buttons[1] = 29;  // Shift on the wheel button
  buttons[2] = 2;   // right click
  Event(8, actions::Notification::Press);
  Event(16, actions::Notification::Press);
  Event(16, actions::Notification::Release);
  input.events.clear();
  executor.ReleaseHeld();
  EXPECT_EQ(input.events, (Strings{"key 16 3"}));
  input.events.clear();
  executor.ReleaseHeld();
  EXPECT_TRUE(input.events.empty());
}

TEST_F(Executor, TableIsReadAtEachPressAndTheReleaseFollowsItsPress) {
  buttons[4] = 9;
  Click(14);
  buttons[4] = -1;
  Click(14);
  EXPECT_EQ(input.events.size(), 4u);
  buttons[4] = 10;  // Strg
  Event(14, actions::Notification::Press);
  buttons[4] = 9;
  Event(14, actions::Notification::Release);
  EXPECT_EQ(input.events.back(), "key 17 3") << "the release lets go of what its press held";
}

}  // namespace
