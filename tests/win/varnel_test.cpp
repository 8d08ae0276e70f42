// Varnel.dll under Wine with real X11 clicks (its rules are tested natively):
// what reaches the program, a message-only window here, and what reaches the
// full-screen window under the pointer (X11 input reaches Wine only over a Wine
// window). One run: destroying a visible window costs Wine about two seconds.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "makerlibs/include/maker_api_win.h"
#include "makerlibs/include/maker_contract.h"
#include "tests/support/wine_support.h"

namespace {

using namespace testsupport;

TEST(Varnel, TheTableDecidesAtEachPressWhatIsReportedAndSwallowedSynthesisedInputAndNoTargetPass) {
  HMODULE module = ::LoadLibraryA((ProgramFolder() + "\\Varnel.dll").c_str());
  auto resolve = [module](const char* name) { return reinterpret_cast<void*>(::GetProcAddress(module, name)); };
  auto start = reinterpret_cast<PointerHookStartFn>(resolve("PointerHookStart"));
  auto stop = reinterpret_cast<PointerHookStopFn>(resolve("PointerHookStop"));
  auto setTarget = reinterpret_cast<PointerHookSetTargetFn>(resolve("PointerHookSetTarget"));
  auto setTable = reinterpret_cast<PointerHookSetButtonTableFn>(resolve("PointerHookSetButtonTable"));
  auto setWheelMode = reinterpret_cast<PointerHookSetWheelModeFn>(resolve("PointerHookSetWheelMode"));
  ASSERT_TRUE(start && stop && setTarget && setTable && setWheelMode) << "Varnel.dll or an export missing";
  ScreenWindow screen;
  MessageRecorder recorder(makerlibs::WM_MOUSEBTN_UP, makerlibs::WM_MOUSEBTN_DOWN);
  auto table = [&](std::vector<int> codes) {  // a volatile array, as the program's worker may change its own
    volatile int copy[6] = {};
    std::copy(codes.begin(), codes.end(), copy);
    setTable(copy, static_cast<int>(codes.size()));
  };
  auto click = [](const char* b) { for (; *b; ++b) EXPECT_TRUE(Xdotool(std::string("click ") + *b)); };
  // "d12 u12" (press, release, event code) once `count` reports came and a stray one would have.
  auto reports = [&](std::size_t count) {
    PumpUntil([&] { return recorder.Entries().size() >= count; }, 3000);
    PumpFor(300);
    std::string text;
    for (const auto& e : recorder.Entries())
      text += (text.empty() ? "" : " ") + std::string(e.message == makerlibs::WM_MOUSEBTN_DOWN ? "d" : "u") +
              std::to_string(e.lParam);
    recorder.Reset();
    return text;
  };
  // Presses/releases of left, middle, right and X buttons that reached the
  // screen window (a quick second click arrives as a double click), and wheel turns.
  auto passed = [&] {
    std::string text;
    for (UINT down : {WM_LBUTTONDOWN, WM_MBUTTONDOWN, WM_RBUTTONDOWN, WM_XBUTTONDOWN})
      text += std::to_string(screen.Count(down) + screen.Count(down + 2)) + "/" +
              std::to_string(screen.Count(down + 1)) + " ";
    text += "W" + std::to_string(screen.Count(WM_MOUSEWHEEL));
    screen.Reset();
    return text;
  };
  ::SetForegroundWindow(screen.hwnd());
  table({0, 1, 2, 3, 4, 5});
  setTarget(recorder.hwnd());
  ASSERT_NE(0, start());
  ASSERT_TRUE(Xdotool("mousemove 512 384"));
  PumpFor(100);

  setWheelMode(3);  // kept for the maker, no effect: the wheel passes
  click("1238945");
  EXPECT_EQ(reports(4), "d12 u12 d14 u14");
  EXPECT_EQ(passed(), "1/1 1/1 1/1 0/0 W2");
  table({2, 0, 9, 3, 4, 5});
  click("123");
  EXPECT_EQ(reports(6), "d32 u32 d8 u8 d16 u16");
  // Copied at the hand-over, six entries at most; a short table leaves the
  // missing slots without function: the right button clicks by itself, the 4th is silent.
  volatile int entries[10] = {0, 1, 9, 3, 4, 5, 9, 9, 9, 9};
  setTable(entries, 99);
  entries[2] = 2;
  click("3");
  EXPECT_EQ(reports(2), "d16 u16");
  setTable(entries, 2);
  click("38");
  table({0, 1, 2, 3, 4, 5});
  click("9");
  EXPECT_EQ(reports(2), "d14 u14");
  EXPECT_EQ(passed(), "0/0 0/0 1/1 0/0 W0");
  // A reported press gets its reported release, though the button turned native between.
  table({0, 1, 9, 3, 4, 5});
  EXPECT_TRUE(Xdotool("mousedown 3"));
  EXPECT_EQ(reports(1), "d16");
  table({0, 1, 2, 3, 4, 5});
  EXPECT_TRUE(Xdotool("mouseup 3"));
  EXPECT_EQ(reports(1), "u16");
  EXPECT_EQ(passed(), "0/0 0/0 0/0 0/0 W0");

  // Synthesised input passes, and so does everything without a live target.
  table({9, 9, 9, 3, 4, 5});
  ::mouse_event(MOUSEEVENTF_RIGHTDOWN, 0, 0, 0, 0);
  ::mouse_event(MOUSEEVENTF_RIGHTUP, 0, 0, 0, 0);
  ::mouse_event(MOUSEEVENTF_XDOWN, 0, 0, XBUTTON1, 0);
  ::mouse_event(MOUSEEVENTF_XUP, 0, 0, XBUTTON1, 0);
  setTarget(nullptr);
  click("8");
  setTarget(MessageRecorder(makerlibs::WM_MOUSEBTN_UP, makerlibs::WM_MOUSEBTN_DOWN).hwnd());  // destroyed at once
  click("8");
  setTarget(recorder.hwnd());
  click("8");
  EXPECT_EQ(reports(2), "d12 u12") << "only the click with a live target";
  EXPECT_EQ(passed(), "0/0 0/0 1/1 3/3 W0");
  // One stop removes the hook whatever the starts; a start installs it again.
  EXPECT_NE(0, start());
  EXPECT_NE(0, stop());
  click("8");
  EXPECT_NE(0, start());
  click("9");
  EXPECT_EQ(reports(2), "d14 u14");
  EXPECT_EQ(passed(), "0/0 0/0 0/0 1/1 W0");
  EXPECT_NE(0, stop());
  EXPECT_NE(0, stop()) << "stopping a stopped hook is harmless";
}

}  // namespace
