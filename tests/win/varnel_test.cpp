// Varnel.dll under Wine, fed by real X11 button events from xdotool (its rules
// are the hook policy's, tested natively): what reaches the program and what
// reaches everybody else. The pointer rests over a full-screen window of the
// test (X11 input only reaches Wine over a Wine window); the hook reports to a
// message-only window of the test.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "makerlibs/include/maker_api.h"
#include "makerlibs/include/maker_contract.h"
#include "tests/support/wine_support.h"

namespace {

using namespace testsupport;

PointerHookStartFn s_start;
PointerHookStopFn s_stop;
PointerHookSetTargetFn s_setTarget;
PointerHookSetButtonTableFn s_setTable;
PointerHookSetWheelModeFn s_setWheelMode;
ScreenWindow* s_screen;

class Varnel : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    // One screen window for all tests: destroying a visible top-level window
    // costs about two seconds under Wine without a window manager.
    s_screen = new ScreenWindow();
    HMODULE module = ::LoadLibraryA((ProgramFolder() + "\\Varnel.dll").c_str());
    auto resolve = [module](const char* name) { return reinterpret_cast<void*>(::GetProcAddress(module, name)); };
    s_start = reinterpret_cast<PointerHookStartFn>(resolve("PointerHookStart"));
    s_stop = reinterpret_cast<PointerHookStopFn>(resolve("PointerHookStop"));
    s_setTarget = reinterpret_cast<PointerHookSetTargetFn>(resolve("PointerHookSetTarget"));
    s_setTable = reinterpret_cast<PointerHookSetButtonTableFn>(resolve("PointerHookSetButtonTable"));
    s_setWheelMode = reinterpret_cast<PointerHookSetWheelModeFn>(resolve("PointerHookSetWheelMode"));
  }
  static void TearDownTestSuite() { delete s_screen; }

  void SetUp() override {
    ASSERT_TRUE(s_start && s_stop && s_setTarget && s_setTable && s_setWheelMode) << "Varnel.dll or an export missing";
    ::SetForegroundWindow(s_screen->hwnd());
    SetTable({0, 1, 2, 3, 4, 5});
    s_setTarget(m_recorder.hwnd());
    ASSERT_NE(0, s_start());
    ASSERT_TRUE(Xdotool("mousemove 512 384"));
    PumpFor(100);
    s_screen->Reset();
  }
  void TearDown() override {
    EXPECT_NE(0, s_stop());
    s_setTarget(nullptr);
    PumpFor(50);  // late messages of this test land before the next one counts
  }

  // The program hands over a volatile array (its worker may change it); so do we.
  static void SetTable(const std::vector<int>& codes) {
    volatile int copy[6] = {};
    for (std::size_t i = 0; i < codes.size(); ++i) copy[i] = codes[i];
    s_setTable(copy, static_cast<int>(codes.size()));
  }
  static void Click(const char* buttons) {
    for (const char* b = buttons; *b; ++b) ASSERT_TRUE(Xdotool(std::string("click ") + *b));
  }
  // The reports, e.g. "d12 u12" (press, release, event code), once `count`
  // arrived and a stray one would have shown up.
  std::string Reports(std::size_t count) {
    PumpUntil([&] { return m_recorder.Entries().size() >= count; }, 3000);
    PumpFor(300);
    std::string text;
    for (const auto& e : m_recorder.Entries())
      text += (text.empty() ? "" : " ") + std::string(e.message == makerlibs::WM_MOUSEBTN_DOWN ? "d" : "u") +
              std::to_string(e.lParam);
    m_recorder.Clear();
    return text;
  }
  // Presses/releases that reached the screen window (a quick second click
  // arrives as a double click), and wheel turns.
  static std::string Screen() {
    auto presses = [](UINT down) { return s_screen->Count(down) + s_screen->Count(down + 2); };
    char text[64];
    std::snprintf(text, sizeof text, "L%d/%d M%d/%d R%d/%d X%d/%d W%d", presses(WM_LBUTTONDOWN),
                  s_screen->Count(WM_LBUTTONUP), presses(WM_MBUTTONDOWN), s_screen->Count(WM_MBUTTONUP),
                  presses(WM_RBUTTONDOWN), s_screen->Count(WM_RBUTTONUP), presses(WM_XBUTTONDOWN),
                  s_screen->Count(WM_XBUTTONUP), s_screen->Count(WM_MOUSEWHEEL));
    s_screen->Reset();
    return text;
  }

  MessageRecorder m_recorder{makerlibs::WM_MOUSEBTN_UP, makerlibs::WM_MOUSEBTN_DOWN};
};

TEST_F(Varnel, TheTableHandedOverDecidesAtEachPressWhatIsReportedAndWhatPasses) {
  s_setWheelMode(3);  // kept for the maker, no effect: the wheel passes
  Click("1238945");
  EXPECT_EQ(Reports(4), "d12 u12 d14 u14");
  EXPECT_EQ(Screen(), "L1/1 M1/1 R1/1 X0/0 W2");
  SetTable({2, 0, 9, 3, 4, 5});
  Click("123");
  EXPECT_EQ(Reports(6), "d32 u32 d8 u8 d16 u16");
  EXPECT_EQ(Screen(), "L0/0 M0/0 R0/0 X0/0 W0");
  // Copied at the hand-over, six entries at most; a short table leaves the
  // missing slots without function: the right button clicks by itself, the
  // 4th is silent.
  volatile int table[10] = {0, 1, 9, 3, 4, 5, 9, 9, 9, 9};
  s_setTable(table, 99);
  table[2] = 2;
  Click("3");
  EXPECT_EQ(Reports(2), "d16 u16");
  s_setTable(table, 2);
  Click("38");
  SetTable({0, 1, 2, 3, 4, 5});
  Click("9");
  EXPECT_EQ(Reports(2), "d14 u14");
  EXPECT_EQ(Screen(), "L0/0 M0/0 R1/1 X0/0 W0");
}

TEST_F(Varnel, AReportedPressGetsItsReportedReleaseThoughTheTableChangedBetween) {
  SetTable({0, 1, 9, 3, 4, 5});
  ASSERT_TRUE(Xdotool("mousedown 3"));
  EXPECT_EQ(Reports(1), "d16");
  SetTable({0, 1, 2, 3, 4, 5});
  ASSERT_TRUE(Xdotool("mouseup 3"));
  EXPECT_EQ(Reports(1), "u16");
  EXPECT_EQ(Screen(), "L0/0 M0/0 R0/0 X0/0 W0");
}

TEST_F(Varnel, SynthesisedInputAndInputWithoutALiveTargetPass) {
  SetTable({9, 9, 9, 3, 4, 5});
  ::mouse_event(MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0);
  ::mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
  ::mouse_event(MOUSEEVENTF_XDOWN, 0, 0, XBUTTON1, 0);
  ::mouse_event(MOUSEEVENTF_XUP, 0, 0, XBUTTON1, 0);
  s_setTarget(nullptr);
  Click("8");
  {
    MessageRecorder gone(makerlibs::WM_MOUSEBTN_UP, makerlibs::WM_MOUSEBTN_DOWN);
    s_setTarget(gone.hwnd());
  }
  Click("8");
  s_setTarget(m_recorder.hwnd());
  Click("8");
  EXPECT_EQ(Reports(2), "d12 u12") << "only the click with a live target";
  EXPECT_EQ(Screen(), "L0/0 M0/0 R1/1 X3/3 W0");
}

TEST_F(Varnel, StopRemovesTheHookWhateverTheStartsAndStartInstallsItAgain) {
  ASSERT_NE(0, s_start());
  ASSERT_NE(0, s_stop());
  Click("8");
  ASSERT_NE(0, s_start());
  Click("9");
  EXPECT_EQ(Reports(2), "d14 u14");
  EXPECT_EQ(Screen(), "L0/0 M0/0 R0/0 X1/1 W0");
}

}  // namespace
