// Varnel.dll under Wine: a real low-level mouse hook fed by real X11 button
// events from xdotool. The pointer rests over a full-screen window of the test
// (X11 input only reaches Wine over a Wine window); the hook reports to a
// message-only window of the test.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "makerlibs/include/maker_contract.h"
#include "makerlibs/include/maker_api_win.h"
#include "tests/support/wine_support.h"

namespace {

using testsupport::MessageRecorder;
using testsupport::PumpFor;
using testsupport::PumpUntil;
using testsupport::ScreenWindow;
using testsupport::Xdotool;

// Long enough for a stray message to show up after the last expected one.
constexpr DWORD kSettleMs = 300;
constexpr DWORD kWaitMs = 3000;

struct Report {
  UINT message;
  LPARAM code;
};
bool operator==(const Report& a, const Report& b) { return a.message == b.message && a.code == b.code; }
std::ostream& operator<<(std::ostream& os, const Report& r) {
  return os << (r.message == makerlibs::WM_MOUSEBTN_DOWN ? "down " : r.message == makerlibs::WM_MOUSEBTN_UP ? "up " : "other ") << r.code;
}
Report Down(LPARAM code) { return Report{makerlibs::WM_MOUSEBTN_DOWN, code}; }
Report Up(LPARAM code) { return Report{makerlibs::WM_MOUSEBTN_UP, code}; }

class VarnelTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // One screen window for all tests: destroying a visible top-level window
    // costs about two seconds under Wine without a window manager.
    s_screen = new ScreenWindow();
    s_module = ::LoadLibraryA((testsupport::ProgramFolder() + "\\Varnel.dll").c_str());
    if (!s_module) return;
    s_start = Resolve<PointerHookStartFn>("PointerHookStart");
    s_stop = Resolve<PointerHookStopFn>("PointerHookStop");
    s_setTarget = Resolve<PointerHookSetTargetFn>("PointerHookSetTarget");
    s_setTable = Resolve<PointerHookSetButtonTableFn>("PointerHookSetButtonTable");
    s_setWheelMode = Resolve<PointerHookSetWheelModeFn>("PointerHookSetWheelMode");
  }

  static void TearDownTestSuite() {
    delete s_screen;
    s_screen = nullptr;
  }

  template <typename Fn>
  static Fn Resolve(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(s_module, name)));
  }

  void SetUp() override {
    ASSERT_NE(nullptr, s_module) << "Varnel.dll not found next to the test program";
    ASSERT_TRUE(s_start && s_stop && s_setTarget && s_setTable && s_setWheelMode);
    m_screen = s_screen;
    ::SetForegroundWindow(m_screen->hwnd());
    m_recorder = std::make_unique<MessageRecorder>(makerlibs::WM_MOUSEBTN_UP, makerlibs::WM_MOUSEBTN_DOWN);
    ASSERT_NE(nullptr, m_recorder->hwnd());
    SetTable({0, 1, 2, 3, 4, 5});
    s_setTarget(m_recorder->hwnd());
    ASSERT_NE(0, s_start());
    ASSERT_TRUE(Xdotool("mousemove 512 384"));
    PumpFor(100);
    m_screen->Reset();
  }

  void TearDown() override {
    if (s_stop) {
      EXPECT_NE(0, s_stop());
    }
    if (s_setTarget) s_setTarget(nullptr);
    if (s_setTable) SetTable({0, 1, 2, 3, 4, 5});
    m_recorder.reset();
    // Let late messages of this test land before the next one counts.
    PumpFor(50);
  }

  static void SetTable(const std::vector<int>& codes) {
    // The program hands over a volatile array (its worker may change it); so do we.
    volatile int copy[6] = {-1, -1, -1, -1, -1, -1};
    for (std::size_t i = 0; i < codes.size() && i < 6; ++i) copy[i] = codes[i];
    s_setTable(copy, static_cast<int>(codes.size() < 6 ? codes.size() : 6));
  }

  std::vector<Report> Reports() const {
    std::vector<Report> out;
    for (const auto& e : m_recorder->Entries()) out.push_back(Report{e.message, e.lParam});
    return out;
  }
  bool WaitReports(std::size_t n) {
    return PumpUntil([&] { return m_recorder->Entries().size() >= n; }, kWaitMs);
  }
  // Presses reaching the screen window: a quick second click arrives as a double click.
  int Presses(UINT down) const { return m_screen->Count(down) + m_screen->Count(down + 2); }
  int Releases(UINT up) const { return m_screen->Count(up); }
  bool WaitPresses(UINT down, int n) {
    return PumpUntil([&] { return Presses(down) >= n; }, kWaitMs);
  }

  // A physical X1 click is reported with the identity table: once its reports
  // arrive, everything clicked before it has been decided.
  void Marker() {
    std::size_t before = m_recorder->Entries().size();
    ASSERT_TRUE(Xdotool("click 8"));
    ASSERT_TRUE(WaitReports(before + 2)) << "the marker click was not reported";
    PumpFor(kSettleMs);
    std::vector<Report> reports = Reports();
    ASSERT_EQ(before + 2, reports.size());
    EXPECT_EQ(Down(12), reports[before]);
    EXPECT_EQ(Up(12), reports[before + 1]);
  }

  static HMODULE s_module;
  static PointerHookStartFn s_start;
  static PointerHookStopFn s_stop;
  static PointerHookSetTargetFn s_setTarget;
  static PointerHookSetButtonTableFn s_setTable;
  static PointerHookSetWheelModeFn s_setWheelMode;

  static ScreenWindow* s_screen;
  ScreenWindow* m_screen = nullptr;
  std::unique_ptr<MessageRecorder> m_recorder;
};

ScreenWindow* VarnelTest::s_screen = nullptr;
HMODULE VarnelTest::s_module = nullptr;
PointerHookStartFn VarnelTest::s_start = nullptr;
PointerHookStopFn VarnelTest::s_stop = nullptr;
PointerHookSetTargetFn VarnelTest::s_setTarget = nullptr;
PointerHookSetButtonTableFn VarnelTest::s_setTable = nullptr;
PointerHookSetWheelModeFn VarnelTest::s_setWheelMode = nullptr;

TEST(VarnelExports, AllNamesResolve) {
  HMODULE module = ::LoadLibraryA((testsupport::ProgramFolder() + "\\Varnel.dll").c_str());
  ASSERT_NE(nullptr, module);
  for (const char* name : {"PointerHookStart", "PointerHookStop", "PointerHookSetTarget", "PointerHookSetButtonTable",
                           "PointerHookSetWheelMode"}) {
    EXPECT_NE(nullptr, reinterpret_cast<void*>(::GetProcAddress(module, name))) << name;
  }
  ::FreeLibrary(module);
}

TEST_F(VarnelTest, SideButtonsAreReportedInOrderAndSwallowed) {
  ASSERT_TRUE(Xdotool("click 8"));
  ASSERT_TRUE(WaitReports(2));
  ASSERT_TRUE(Xdotool("click 9"));
  ASSERT_TRUE(WaitReports(4));
  PumpFor(kSettleMs);
  EXPECT_EQ((std::vector<Report>{Down(12), Up(12), Down(14), Up(14)}), Reports());
  EXPECT_EQ(0, Presses(WM_XBUTTONDOWN));
  EXPECT_EQ(0, Releases(WM_XBUTTONUP));
}

TEST_F(VarnelTest, HeldButtonReportsThePressBeforeTheRelease) {
  ASSERT_TRUE(Xdotool("mousedown 9"));
  ASSERT_TRUE(WaitReports(1));
  PumpFor(kSettleMs);
  EXPECT_EQ((std::vector<Report>{Down(14)}), Reports());
  ASSERT_TRUE(Xdotool("mouseup 9"));
  ASSERT_TRUE(WaitReports(2));
  PumpFor(kSettleMs);
  EXPECT_EQ((std::vector<Report>{Down(14), Up(14)}), Reports());
  EXPECT_EQ(0, Presses(WM_XBUTTONDOWN));
}

TEST_F(VarnelTest, ButtonsWithTheirOwnFunctionPassThroughUnreported) {
  ASSERT_TRUE(Xdotool("click 1"));
  EXPECT_TRUE(WaitPresses(WM_LBUTTONDOWN, 1));
  ASSERT_TRUE(Xdotool("click 2"));
  EXPECT_TRUE(WaitPresses(WM_MBUTTONDOWN, 1));
  ASSERT_TRUE(Xdotool("click 3"));
  EXPECT_TRUE(WaitPresses(WM_RBUTTONDOWN, 1));
  Marker();
  EXPECT_EQ(1, Releases(WM_LBUTTONUP));
  EXPECT_EQ(1, Releases(WM_MBUTTONUP));
  EXPECT_EQ(1, Releases(WM_RBUTTONUP));
  // Code 7 is a left click too.
  SetTable({7, 1, 2, 3, 4, 5});
  ASSERT_TRUE(Xdotool("click 1"));
  EXPECT_TRUE(WaitPresses(WM_LBUTTONDOWN, 2));
  Marker();
  EXPECT_EQ(4u, m_recorder->Entries().size());
}

TEST_F(VarnelTest, ManagedRightButtonIsReportedAndSwallowed) {
  SetTable({0, 1, 9, 3, 4, 5});
  ASSERT_TRUE(Xdotool("click 3"));
  ASSERT_TRUE(WaitReports(2));
  PumpFor(kSettleMs);
  EXPECT_EQ((std::vector<Report>{Down(16), Up(16)}), Reports());
  EXPECT_EQ(0, Presses(WM_RBUTTONDOWN));
  EXPECT_EQ(0, Releases(WM_RBUTTONUP));
}

TEST_F(VarnelTest, ManagedLeftAndMiddleButtonsReportTheirCodes) {
  SetTable({2, 0, 2, 3, 4, 5});
  ASSERT_TRUE(Xdotool("click 1"));
  ASSERT_TRUE(WaitReports(2));
  ASSERT_TRUE(Xdotool("click 2"));
  ASSERT_TRUE(WaitReports(4));
  PumpFor(kSettleMs);
  EXPECT_EQ((std::vector<Report>{Down(32), Up(32), Down(8), Up(8)}), Reports());
  EXPECT_EQ(0, Presses(WM_LBUTTONDOWN));
  EXPECT_EQ(0, Presses(WM_MBUTTONDOWN));
}

TEST_F(VarnelTest, ButtonsWithoutFunctionFailOpenExceptTheSideButtons) {
  // Codes an older version stored (-1) or an outside tool wrote: left, wheel
  // and right keep their own click; the 4th and 5th stay silent.
  SetTable({-1, 51, -7, -1, 60, 5});
  ASSERT_TRUE(Xdotool("click 2"));
  ASSERT_TRUE(Xdotool("click 3"));
  ASSERT_TRUE(Xdotool("click 1"));
  ASSERT_TRUE(Xdotool("click 9"));
  EXPECT_TRUE(WaitPresses(WM_LBUTTONDOWN, 1));
  EXPECT_TRUE(WaitPresses(WM_MBUTTONDOWN, 1));
  EXPECT_TRUE(WaitPresses(WM_RBUTTONDOWN, 1));
  SetTable({0, 1, 2, 3, 4, 5});
  Marker();
  EXPECT_EQ(2u, m_recorder->Entries().size()) << "only the marker is reported";
  EXPECT_EQ(0, Presses(WM_XBUTTONDOWN)) << "the 5th button was eaten";
}

TEST_F(VarnelTest, ShortTableLeavesTheMissingSlotsWithoutFunction) {
  SetTable({0, 1});
  ASSERT_TRUE(Xdotool("click 3"));
  ASSERT_TRUE(Xdotool("click 8"));
  ASSERT_TRUE(Xdotool("click 1"));
  EXPECT_TRUE(WaitPresses(WM_LBUTTONDOWN, 1));
  EXPECT_TRUE(WaitPresses(WM_RBUTTONDOWN, 1)) << "a right button without function clicks by itself";
  PumpFor(kSettleMs);
  EXPECT_TRUE(m_recorder->Entries().empty());
  EXPECT_EQ(0, Presses(WM_XBUTTONDOWN));
}

TEST_F(VarnelTest, TableIsCopiedWhenHandedOver) {
  volatile int table[10] = {0, 1, 9, 3, 4, 5, 9, 9, 9, 9};
  s_setTable(table, 99);  // clamped to the six slots
  table[2] = 2;           // not handed over: the hook keeps its copy
  ASSERT_TRUE(Xdotool("click 3"));
  ASSERT_TRUE(WaitReports(2));
  PumpFor(kSettleMs);
  EXPECT_EQ((std::vector<Report>{Down(16), Up(16)}), Reports());
  EXPECT_EQ(0, Presses(WM_RBUTTONDOWN));
}

TEST_F(VarnelTest, ChangedTableTakesEffectAtTheNextPress) {
  ASSERT_TRUE(Xdotool("click 3"));
  ASSERT_TRUE(WaitPresses(WM_RBUTTONDOWN, 1));
  SetTable({0, 1, 9, 3, 4, 5});
  ASSERT_TRUE(Xdotool("click 3"));
  ASSERT_TRUE(WaitReports(2));
  EXPECT_EQ((std::vector<Report>{Down(16), Up(16)}), Reports());
  SetTable({0, 1, 2, 3, 4, 5});
  ASSERT_TRUE(Xdotool("click 3"));
  ASSERT_TRUE(WaitPresses(WM_RBUTTONDOWN, 2));
  Marker();
  EXPECT_EQ(4u, m_recorder->Entries().size());
  EXPECT_EQ(2, Releases(WM_RBUTTONUP));
}

TEST_F(VarnelTest, TableChangeBetweenPressAndReleaseKeepsThePressDecision) {
  // A reported press gets its reported release, even though the button turned native.
  SetTable({0, 1, 9, 3, 4, 5});
  ASSERT_TRUE(Xdotool("mousedown 3"));
  ASSERT_TRUE(WaitReports(1));
  SetTable({0, 1, 2, 3, 4, 5});
  ASSERT_TRUE(Xdotool("mouseup 3"));
  ASSERT_TRUE(WaitReports(2));
  PumpFor(kSettleMs);
  EXPECT_EQ((std::vector<Report>{Down(16), Up(16)}), Reports());
  EXPECT_EQ(0, Presses(WM_RBUTTONDOWN));
  EXPECT_EQ(0, Releases(WM_RBUTTONUP));

  // A press that went through gets its release through, though the button is managed now.
  m_recorder->Clear();
  ASSERT_TRUE(Xdotool("mousedown 2"));
  ASSERT_TRUE(WaitPresses(WM_MBUTTONDOWN, 1));
  SetTable({0, 20, 2, 3, 4, 5});
  ASSERT_TRUE(Xdotool("mouseup 2"));
  ASSERT_TRUE(PumpUntil([&] { return Releases(WM_MBUTTONUP) >= 1; }, kWaitMs));
  Marker();
  EXPECT_EQ(2u, m_recorder->Entries().size());
}

TEST_F(VarnelTest, InjectedInputIsNeitherReportedNorSwallowed) {
  SetTable({9, 9, 9, 3, 4, 5});
  ::mouse_event(MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0);
  ::mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
  ::mouse_event(MOUSEEVENTF_XDOWN, 0, 0, XBUTTON1, 0);
  ::mouse_event(MOUSEEVENTF_XUP, 0, 0, XBUTTON1, 0);
  ::mouse_event(MOUSEEVENTF_MIDDLEDOWN, 0, 0, 0, 0);
  ::mouse_event(MOUSEEVENTF_MIDDLEUP, 0, 0, 0, 0);
  EXPECT_TRUE(WaitPresses(WM_RBUTTONDOWN, 1));
  EXPECT_TRUE(WaitPresses(WM_XBUTTONDOWN, 1));
  EXPECT_TRUE(WaitPresses(WM_MBUTTONDOWN, 1));
  EXPECT_TRUE(PumpUntil([&] { return Releases(WM_MBUTTONUP) >= 1; }, kWaitMs));
  EXPECT_EQ(1, Releases(WM_RBUTTONUP));
  EXPECT_EQ(1, Releases(WM_XBUTTONUP));
  Marker();
  EXPECT_EQ(2u, m_recorder->Entries().size());
}

TEST_F(VarnelTest, WithoutTargetEverythingPassesThrough) {
  s_setTarget(nullptr);
  SetTable({0, 1, 9, 3, 4, 5});
  ASSERT_TRUE(Xdotool("click 8"));
  ASSERT_TRUE(Xdotool("click 3"));
  EXPECT_TRUE(WaitPresses(WM_XBUTTONDOWN, 1));
  EXPECT_TRUE(WaitPresses(WM_RBUTTONDOWN, 1));
  PumpFor(kSettleMs);
  EXPECT_TRUE(m_recorder->Entries().empty());
  EXPECT_EQ(1, Releases(WM_RBUTTONUP));
}

TEST_F(VarnelTest, DestroyedTargetCountsAsNoTarget) {
  auto gone = std::make_unique<MessageRecorder>(makerlibs::WM_MOUSEBTN_UP, makerlibs::WM_MOUSEBTN_DOWN);
  s_setTarget(gone->hwnd());
  gone.reset();
  ASSERT_TRUE(Xdotool("click 8"));
  EXPECT_TRUE(WaitPresses(WM_XBUTTONDOWN, 1));
  EXPECT_TRUE(PumpUntil([&] { return Releases(WM_XBUTTONUP) >= 1; }, kWaitMs));
}

TEST_F(VarnelTest, WheelPassesWhateverTheMode) {
  for (int mode : {0, 1, 2, 3}) {
    s_setWheelMode(mode);
    ASSERT_TRUE(Xdotool("click 4"));
    ASSERT_TRUE(Xdotool("click 5"));
  }
  EXPECT_TRUE(PumpUntil([&] { return m_screen->Count(WM_MOUSEWHEEL) >= 8; }, kWaitMs))
      << m_screen->Count(WM_MOUSEWHEEL);
  s_setWheelMode(0);
  Marker();
}

TEST_F(VarnelTest, StopRemovesTheHookAndStartInstallsItAgain) {
  ASSERT_NE(0, s_stop());
  ASSERT_TRUE(Xdotool("click 8"));
  EXPECT_TRUE(WaitPresses(WM_XBUTTONDOWN, 1));
  EXPECT_TRUE(PumpUntil([&] { return Releases(WM_XBUTTONUP) >= 1; }, kWaitMs));
  PumpFor(kSettleMs);
  EXPECT_TRUE(m_recorder->Entries().empty());

  ASSERT_NE(0, s_start());
  Marker();
  EXPECT_EQ(1, Presses(WM_XBUTTONDOWN));
}

TEST_F(VarnelTest, SecondStartInstallsNoSecondHook) {
  ASSERT_NE(0, s_start());
  ASSERT_NE(0, s_start());
  // One Stop must be enough: a second hook would still swallow and report.
  ASSERT_NE(0, s_stop());
  ASSERT_TRUE(Xdotool("click 9"));
  EXPECT_TRUE(WaitPresses(WM_XBUTTONDOWN, 1));
  PumpFor(kSettleMs);
  EXPECT_TRUE(m_recorder->Entries().empty());
  EXPECT_NE(0, s_stop());  // stopping a stopped hook is harmless
}

}  // namespace
