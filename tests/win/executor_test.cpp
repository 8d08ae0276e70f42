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
  void Shell(plan::ShellAction action) override { events.push_back("shell " + std::to_string(static_cast<int>(action))); }
  void OpenLauncher() override { events.push_back("launcher"); }
  void ShowResolution(int level) override { events.push_back("resolution " + std::to_string(level)); }
  std::vector<std::string> events;
};

class Executor : public testing::Test {
 protected:
  void Event(int eventCode, plan::Notification n) { executor.OnButtonEvent(eventCode, n, buttons, macros); }

  RecordingInput input;
  RecordingHost host;
  actions::Executor executor{input, host};
  plan::ButtonTable buttons{0, 1, 2, 3, 4, 5};
  plan::MacroTable macros{};
};

using Strings = std::vector<std::string>;

TEST_F(Executor, HeldMouseButtonsActAtTheCursorClicksAtZero) {
  buttons[2] = 0;  // right button performs a left click
  Event(16, plan::Notification::Press);
  Event(16, plan::Notification::Release);
  Event(12, plan::Notification::Release);  // fourth button: Zurück
  EXPECT_EQ(input.events, (Strings{"mouse 2 123,456 0", "mouse 4 123,456 0", "mouse 128 0,0 1", "mouse 256 0,0 1"}));
  EXPECT_TRUE(host.events.empty());
}

TEST_F(Executor, KeysCarryTheExtendedFlagAndShortcutsReleaseTheModifierFirst) {
  buttons[4] = 25;  // Alt+Tab
  Event(14, plan::Notification::Press);
  EXPECT_TRUE(input.events.empty());
  Event(14, plan::Notification::Release);
  EXPECT_EQ(input.events, (Strings{"key 18 1", "key 9 1", "key 18 3", "key 9 3"}));
}

TEST_F(Executor, ResolutionStepsGoToTheIndicatorOnReleaseOnly) {
  Event(44, plan::Notification::Press);
  Event(44, plan::Notification::Release);
  Event(48, plan::Notification::Release);
  EXPECT_EQ(host.events, (Strings{"resolution 2", "resolution 3"}));
  EXPECT_TRUE(input.events.empty());
}

TEST_F(Executor, ShellActionsAndTheLauncherGoToTheHost) {
  buttons[3] = 27;  // Ausführen...
  buttons[5] = 47;  // Hot-Button-Menü, sixth slot
  Event(12, plan::Notification::Release);
  Event(13, plan::Notification::Press);
  Event(13, plan::Notification::Release);
  EXPECT_EQ(host.events, (Strings{"shell " + std::to_string(static_cast<int>(plan::ShellAction::FileRun)), "launcher",
                                  "launcher"}));
}

TEST_F(Executor, ReleaseHeldLiftsWhatHeldFunctionsLeftDownAndOnlyThat) {
  buttons[1] = 29;  // Shift on the wheel button
  buttons[2] = 2;   // right click
  Event(8, plan::Notification::Press);
  Event(16, plan::Notification::Press);
  Event(16, plan::Notification::Release);
  input.events.clear();
  executor.ReleaseHeld();
  EXPECT_EQ(input.events, (Strings{"key 16 3"}));
  input.events.clear();
  executor.ReleaseHeld();
  EXPECT_TRUE(input.events.empty());
}

TEST_F(Executor, TableIsReadAtEachEventNotKept) {
  buttons[4] = 9;
  Event(14, plan::Notification::Release);
  buttons[4] = -1;
  Event(14, plan::Notification::Release);
  EXPECT_EQ(input.events.size(), 4u);
}

}  // namespace
