// Oskem.dll under Wine, loaded as the program loads it: a real low-level
// keyboard hook fed by real X11 keys into a window of this test, whose thread
// shows by its key messages that the hook never keeps a key.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "bridge/maker_libs_win.h"
#include "makerlibs/include/maker_contract.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

int g_typed[256];            // first presses that reached this thread's queue, by key
bool g_hideRelease = false;  // the next release of K skips the hooks installed before ours

LRESULT CALLBACK CountTyped(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION && !(lp & 0xC0000000)) ++g_typed[wp & 0xFF];
  return ::CallNextHookEx(nullptr, code, wp, lp);
}

// Installed after Oskem's, so called first: not calling on hides the event from
// Oskem while the system still takes it, as with a release on the secure desktop.
LRESULT CALLBACK HideRelease(int code, WPARAM wp, LPARAM lp) {
  const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp);
  if (code == HC_ACTION && g_hideRelease && key->vkCode == 'K' && wp == WM_KEYUP) return g_hideRelease = false, 0;
  return ::CallNextHookEx(nullptr, code, wp, lp);
}

TEST(Oskem, EachPhysicalPressIsReportedOnceWithItsForegroundWindowAndStillTyped) {
  ScreenWindow screen;
  // Without a window manager X11 keeps its focus elsewhere: hand it over.
  const auto xid = reinterpret_cast<ULONG_PTR>(::GetPropA(screen.hwnd(), "__wine_x11_whole_window"));
  Xdotool("windowfocus --sync " + std::to_string(xid));
  HHOOK typed = ::SetWindowsHookExA(WH_KEYBOARD, CountTyped, nullptr, ::GetCurrentThreadId());
  MessageRecorder reports(makerlibs::WM_HOOK_KEY, makerlibs::WM_HOOK_KEY);
  bridge::KeyHookSetTarget(reports.hwnd());
  ASSERT_NE(bridge::KeyHookStart(), 0);
  ASSERT_NE(bridge::KeyHookStart(), 0) << "a second start keeps the one hook";
  HHOOK hide = ::SetWindowsHookExA(WH_KEYBOARD_LL, HideRelease, ::GetModuleHandleA(nullptr), 0);

  ::keybd_event('B', 0, 0, 0);  // synthesised: never reported
  ::keybd_event('B', 0, KEYEVENTF_KEYUP, 0);
  // A held key repeats (a second press event while it is down); right-hand
  // modifiers reach the hook as left and right; K's release is hidden.
  Xdotool("key a b a keydown g keydown g keyup g key ctrl+Alt_R+z Control_R Shift_R Shift_L");
  g_hideRelease = true;
  Xdotool("key k k");
  std::string seen;
  PumpUntil([&] {
    seen.clear();
    for (const auto& e : reports.Entries()) {
      seen += std::to_string(e.wParam) + " ";
      EXPECT_EQ(reinterpret_cast<HWND>(e.lParam), screen.hwnd()) << "the foreground window goes along";
    }
    return seen == "65 66 65 71 17 18 90 17 16 16 75 75 ";
  }, 5000);
  EXPECT_EQ(seen, "65 66 65 71 17 18 90 17 16 16 75 75 ");
  bridge::KeyHookSetTarget(nullptr);
  Xdotool("key m");
  ASSERT_NE(bridge::KeyHookStop(), 0);
  Xdotool("key n");
  PumpFor(300);
  EXPECT_EQ(reports.Entries().size(), 12u) << "nothing without a target, nothing once stopped";
  for (int vk : {'A', 'B', 'K'}) EXPECT_EQ(g_typed[vk], 2) << "every key reached the window, synthesised or not";
  EXPECT_EQ(g_typed['M'] + g_typed['N'], 2);
  ::UnhookWindowsHookEx(hide);
  ::UnhookWindowsHookEx(typed);
}

}  // namespace
