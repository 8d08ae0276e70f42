// Oskem.dll under Wine: a real low-level keyboard hook fed by real X11 key
// events from xdotool. A full-screen window of the test holds the keyboard
// focus (X11 keys only reach Wine through a focused Wine window) and counts the
// key messages it gets, which shows that the hook never keeps a key.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "makerlibs/include/maker_contract.h"
#include "makerlibs/include/maker_api_win.h"
#include "tests/support/wine_support.h"

namespace {

using testsupport::MessageRecorder;
using testsupport::PumpFor;
using testsupport::PumpUntil;
using testsupport::Xdotool;

constexpr DWORD kSettleMs = 300;
constexpr DWORD kWaitMs = 3000;

// A topmost full-screen window with the keyboard focus, counting key presses
// per virtual key (first presses and auto-repeats apart).
class KeyWindow {
 public:
  KeyWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZyfoTestKeyWindow";
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    ::RegisterClassA(&wc);
    m_hwnd = ::CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "Zyfo key window", WS_POPUP | WS_VISIBLE, 0, 0,
                               ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                               wc.hInstance, this);
    PumpFor(200);
  }

  // Makes this window the one X11 and Wine send keys to.
  void Focus() {
    ::SetForegroundWindow(m_hwnd);
    ::SetFocus(m_hwnd);
    PumpFor(50);
    // Without a window manager X11 may keep the focus elsewhere: hand it to
    // this window's X11 window explicitly.
    auto xid = reinterpret_cast<ULONG_PTR>(::GetPropA(m_hwnd, "__wine_x11_whole_window"));
    if (xid) {
      char args[64];
      std::snprintf(args, sizeof args, "windowfocus --sync %lu", static_cast<unsigned long>(xid));
      Xdotool(args);
    }
    PumpFor(50);
  }

  void Reset() {
    for (int i = 0; i < 256; ++i) m_presses[i] = m_repeats[i] = m_releases[i] = 0;
  }
  ~KeyWindow() { ::DestroyWindow(m_hwnd); }
  KeyWindow(const KeyWindow&) = delete;
  KeyWindow& operator=(const KeyWindow&) = delete;

  HWND hwnd() const { return m_hwnd; }
  int Presses(int vk) const { return m_presses[vk & 0xFF]; }
  int Repeats(int vk) const { return m_repeats[vk & 0xFF]; }
  int Releases(int vk) const { return m_releases[vk & 0xFF]; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
      ::SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
    }
    auto* self = reinterpret_cast<KeyWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN)) {
      // Bit 30: the key was down already, i.e. an auto-repeat.
      if (lp & (1 << 30)) ++self->m_repeats[wp & 0xFF];
      else ++self->m_presses[wp & 0xFF];
    }
    if (self && (msg == WM_KEYUP || msg == WM_SYSKEYUP)) ++self->m_releases[wp & 0xFF];
    // No system menu, no menu-bar mode on Alt: just count.
    if (msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP || msg == WM_SYSCHAR) return 0;
    return ::DefWindowProcA(hwnd, msg, wp, lp);
  }

  HWND m_hwnd = nullptr;
  int m_presses[256] = {};
  int m_repeats[256] = {};
  int m_releases[256] = {};
};

class OskemTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // One window for all tests: destroying a visible top-level window costs
    // about two seconds under Wine without a window manager.
    s_window = new KeyWindow();
    s_module = ::LoadLibraryA((testsupport::ProgramFolder() + "\\Oskem.dll").c_str());
    if (!s_module) return;
    s_start = Resolve<KeyHookStartFn>("KeyHookStart");
    s_stop = Resolve<KeyHookStopFn>("KeyHookStop");
    s_setTarget = Resolve<KeyHookSetTargetFn>("KeyHookSetTarget");
  }
  static void TearDownTestSuite() {
    delete s_window;
    s_window = nullptr;
  }

  template <typename Fn>
  static Fn Resolve(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(s_module, name)));
  }

  void SetUp() override {
    ASSERT_NE(nullptr, s_module) << "Oskem.dll not found next to the test program";
    ASSERT_TRUE(s_start && s_stop && s_setTarget);
    m_window = s_window;
    m_window->Reset();
    m_window->Focus();
    m_recorder = std::make_unique<MessageRecorder>(makerlibs::WM_HOOK_KEY, makerlibs::WM_HOOK_KEY);
    s_setTarget(m_recorder->hwnd());
    ASSERT_NE(0, s_start());
  }

  void TearDown() override {
    if (s_stop) {
      EXPECT_NE(0, s_stop());
    }
    if (s_setTarget) s_setTarget(nullptr);
    m_recorder.reset();
    PumpFor(50);
  }

  static std::vector<WPARAM> Keys(const MessageRecorder& recorder) {
    std::vector<WPARAM> keys;
    for (const auto& e : recorder.Entries()) {
      EXPECT_EQ(0, e.lParam);
      keys.push_back(e.wParam);
    }
    return keys;
  }
  std::vector<WPARAM> Keys() const { return Keys(*m_recorder); }
  bool WaitReports(std::size_t n) {
    return PumpUntil([&] { return m_recorder->Entries().size() >= n; }, kWaitMs);
  }
  bool WaitKeyUp(int vk, int n) {
    return PumpUntil([&] { return m_window->Releases(vk) >= n; }, kWaitMs);
  }

  static HMODULE s_module;
  static KeyHookStartFn s_start;
  static KeyHookStopFn s_stop;
  static KeyHookSetTargetFn s_setTarget;

  static KeyWindow* s_window;
  KeyWindow* m_window = nullptr;
  std::unique_ptr<MessageRecorder> m_recorder;
};

KeyWindow* OskemTest::s_window = nullptr;
HMODULE OskemTest::s_module = nullptr;
KeyHookStartFn OskemTest::s_start = nullptr;
KeyHookStopFn OskemTest::s_stop = nullptr;
KeyHookSetTargetFn OskemTest::s_setTarget = nullptr;

TEST(OskemExports, AllNamesResolve) {
  HMODULE module = ::LoadLibraryA((testsupport::ProgramFolder() + "\\Oskem.dll").c_str());
  ASSERT_NE(nullptr, module);
  for (const char* name : {"KeyHookStart", "KeyHookStop", "KeyHookSetTarget"}) {
    EXPECT_NE(nullptr, reinterpret_cast<void*>(::GetProcAddress(module, name))) << name;
  }
  ::FreeLibrary(module);
}

TEST_F(OskemTest, PhysicalKeyIsReportedOnceAndStillTyped) {
  ASSERT_TRUE(Xdotool("key a"));
  ASSERT_TRUE(WaitReports(1));
  ASSERT_TRUE(WaitKeyUp('A', 1));
  PumpFor(kSettleMs);
  EXPECT_EQ((std::vector<WPARAM>{0x41}), Keys());
  EXPECT_EQ(1, m_window->Presses('A'));
}

TEST_F(OskemTest, EveryPressIsReportedInOrder) {
  ASSERT_TRUE(Xdotool("key a b a"));
  ASSERT_TRUE(WaitReports(3));
  PumpFor(kSettleMs);
  EXPECT_EQ((std::vector<WPARAM>{0x41, 0x42, 0x41}), Keys());
}

TEST_F(OskemTest, SystemKeysAndModifiersOfEitherSideAreReportedByTheirGenericCodes) {
  // Alt down makes the next keys WM_SYSKEYDOWN; the hook sees the sides (164, 165, 162, 161).
  ASSERT_TRUE(Xdotool("key alt+x ctrl+Alt_R+z Control_R Shift_R Shift_L"));
  ASSERT_TRUE(WaitReports(8));
  PumpFor(kSettleMs);
  EXPECT_EQ((std::vector<WPARAM>{VK_MENU, 'X', VK_CONTROL, VK_MENU, 'Z', VK_CONTROL, VK_SHIFT, VK_SHIFT}), Keys());
}

TEST_F(OskemTest, InjectedKeysAreNotReported) {
  ::keybd_event('B', 0, 0, 0);
  ::keybd_event('B', 0, KEYEVENTF_KEYUP, 0);
  ASSERT_TRUE(WaitKeyUp('B', 1));
  ASSERT_TRUE(Xdotool("key c"));
  ASSERT_TRUE(WaitReports(1));
  PumpFor(kSettleMs);
  EXPECT_EQ((std::vector<WPARAM>{0x43}), Keys());
  EXPECT_EQ(1, m_window->Presses('B'));
}

TEST_F(OskemTest, SetTargetRedirectsTheReports) {
  MessageRecorder second(makerlibs::WM_HOOK_KEY, makerlibs::WM_HOOK_KEY);
  s_setTarget(second.hwnd());
  ASSERT_TRUE(Xdotool("key d"));
  ASSERT_TRUE(PumpUntil([&] { return !second.Entries().empty(); }, kWaitMs));
  // From another thread, as the program may do.
  std::thread([&] { s_setTarget(m_recorder->hwnd()); }).join();
  ASSERT_TRUE(Xdotool("key e"));
  ASSERT_TRUE(WaitReports(1));
  PumpFor(kSettleMs);
  EXPECT_EQ((std::vector<WPARAM>{0x44}), Keys(second));
  EXPECT_EQ((std::vector<WPARAM>{0x45}), Keys());
}

TEST_F(OskemTest, WithoutTargetNothingIsPosted) {
  s_setTarget(nullptr);
  ASSERT_TRUE(Xdotool("key f"));
  ASSERT_TRUE(WaitKeyUp('F', 1));
  PumpFor(kSettleMs);
  EXPECT_TRUE(m_recorder->Entries().empty());
  EXPECT_EQ(1, m_window->Presses('F'));
}

TEST_F(OskemTest, HeldKeyIsReportedOncePerPhysicalPress) {
  ASSERT_TRUE(Xdotool("keydown g"));
  ASSERT_TRUE(WaitReports(1));
  PumpFor(700);
  // A second press event for a key that is still down is what auto-repeat
  // delivers; X11 sends one for this too. Xvfb itself may not auto-repeat.
  ASSERT_TRUE(Xdotool("keydown g"));
  PumpFor(kSettleMs);
  ASSERT_TRUE(Xdotool("keyup g"));
  ASSERT_TRUE(WaitKeyUp('G', 1));
  PumpFor(kSettleMs);
  EXPECT_EQ((std::vector<WPARAM>{0x47}), Keys());
  std::printf("[          ] key G: %d press(es), %d auto-repeat(s) reached the window\n", m_window->Presses('G'),
              m_window->Repeats('G'));
  EXPECT_EQ(1, m_window->Presses('G'));
  // The release ends the press: the next one is reported again.
  ASSERT_TRUE(Xdotool("key g"));
  ASSERT_TRUE(WaitReports(2));
  PumpFor(kSettleMs);
  EXPECT_EQ((std::vector<WPARAM>{0x47, 0x47}), Keys());
}

TEST_F(OskemTest, StopRemovesTheHookAndStartInstallsItAgain) {
  ASSERT_NE(0, s_stop());
  ASSERT_TRUE(Xdotool("key h"));
  ASSERT_TRUE(WaitKeyUp('H', 1));
  PumpFor(kSettleMs);
  EXPECT_TRUE(m_recorder->Entries().empty());
  ASSERT_NE(0, s_start());
  ASSERT_TRUE(Xdotool("key i"));
  ASSERT_TRUE(WaitReports(1));
  PumpFor(kSettleMs);
  EXPECT_EQ((std::vector<WPARAM>{0x49}), Keys());
}

TEST_F(OskemTest, SecondStartInstallsNoSecondHook) {
  ASSERT_NE(0, s_start());
  ASSERT_NE(0, s_stop());
  ASSERT_TRUE(Xdotool("key j"));
  ASSERT_TRUE(WaitKeyUp('J', 1));
  PumpFor(kSettleMs);
  EXPECT_TRUE(m_recorder->Entries().empty());
}

}  // namespace
