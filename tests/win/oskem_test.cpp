// Oskem.dll under Wine: a real low-level keyboard hook fed by real X11 keys
// from xdotool into a window of this test, which holds the focus and shows by
// its thread's key messages that the hook never keeps a key.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "makerlibs/include/maker_api.h"
#include "makerlibs/include/maker_contract.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

int g_typed[256];            // key presses that reached this thread's queue, by key
bool g_hideRelease = false;  // the next release of K skips the hooks installed before ours

LRESULT CALLBACK CountTyped(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION && !(lp & 0xC0000000)) ++g_typed[wp & 0xFF];
  return ::CallNextHookEx(nullptr, code, wp, lp);
}

// Installed after Oskem's, so called first: not calling on hides the event from
// Oskem while the system still takes it, as a release on the secure desktop.
LRESULT CALLBACK HideRelease(int code, WPARAM wp, LPARAM lp) {
  const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp);
  if (code == HC_ACTION && g_hideRelease && key->vkCode == 'K' && (wp == WM_KEYUP || wp == WM_SYSKEYUP)) {
    g_hideRelease = false;
    return 0;
  }
  return ::CallNextHookEx(nullptr, code, wp, lp);
}

template <typename Fn>
Fn Export(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

TEST(Oskem, EachPhysicalPressIsReportedOnceWithItsForegroundWindowAndStillTyped) {
  HMODULE oskem = ::LoadLibraryA((ProgramFolder() + "\\Oskem.dll").c_str());
  ASSERT_NE(oskem, nullptr);
  auto start = Export<KeyHookStartFn>(oskem, "KeyHookStart");
  auto stop = Export<KeyHookStopFn>(oskem, "KeyHookStop");
  auto setTarget = Export<KeyHookSetTargetFn>(oskem, "KeyHookSetTarget");
  ASSERT_TRUE(start && stop && setTarget);
  ScreenWindow screen;
  // Without a window manager X11 keeps its focus elsewhere: hand it over.
  const auto xid = reinterpret_cast<ULONG_PTR>(::GetPropA(screen.hwnd(), "__wine_x11_whole_window"));
  Xdotool("windowfocus --sync " + std::to_string(xid));
  HHOOK typed = ::SetWindowsHookExA(WH_KEYBOARD, CountTyped, nullptr, ::GetCurrentThreadId());
  MessageRecorder reports(makerlibs::WM_HOOK_KEY, makerlibs::WM_HOOK_KEY);
  setTarget(reports.hwnd());
  ASSERT_NE(start(), 0);
  ASSERT_NE(start(), 0) << "a second start keeps the one hook";
  HHOOK hide = ::SetWindowsHookExA(WH_KEYBOARD_LL, HideRelease, ::GetModuleHandleA(nullptr), 0);

  ::keybd_event('B', 0, 0, 0);  // synthesised: never reported
  ::keybd_event('B', 0, KEYEVENTF_KEYUP, 0);
  // A held key repeats (a second press event while it is down); right-hand
  // modifiers reach the hook as left and right; K's release is hidden.
  Xdotool("key a b a keydown g keydown g keyup g key ctrl+Alt_R+z Control_R Shift_R Shift_L");
  g_hideRelease = true;
  Xdotool("key k k");
  const std::string expected = "65 66 65 71 17 18 90 17 16 16 75 75 ";
  std::string seen;
  PumpUntil([&] {
    seen.clear();
    for (const auto& e : reports.Entries()) {
      seen += std::to_string(e.wParam) + " ";
      EXPECT_EQ(reinterpret_cast<HWND>(e.lParam), screen.hwnd()) << "the foreground window goes along";
    }
    return seen == expected;
  }, 5000);
  EXPECT_EQ(seen, expected);
  PumpFor(300);
  EXPECT_EQ(g_typed['A'], 2) << "the keys reached the window";
  EXPECT_EQ(g_typed['B'], 2) << "the synthesised one too";
  EXPECT_EQ(g_typed['K'], 2);

  setTarget(nullptr);
  Xdotool("key m");
  ASSERT_NE(stop(), 0);
  Xdotool("key n");
  PumpFor(300);
  EXPECT_EQ(reports.Entries().size(), 12u) << "nothing without a target, nothing once stopped";
  EXPECT_EQ(g_typed['M'] + g_typed['N'], 2);
  ASSERT_NE(start(), 0);
  setTarget(reports.hwnd());
  Xdotool("key o");
  EXPECT_TRUE(PumpUntil([&] { return reports.Entries().size() == 13; }, 3000)) << "started again";
  EXPECT_NE(stop(), 0);
  setTarget(nullptr);
  ::UnhookWindowsHookEx(hide);
  ::UnhookWindowsHookEx(typed);
}

}  // namespace
