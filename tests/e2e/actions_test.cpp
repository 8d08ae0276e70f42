// Button functions performed by the real program, seen as any other program
// sees them: physical X11 buttons in, synthesised input at a low-level hook out.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "res/identity.h"
#include "makerlibs/include/maker_contract.h"
#include "tests/support/program.h"
#include "tests/support/input_observer.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kButtons = "Software\\Trovane Mouse\\Pelrand\\Setting For Key";
const std::string kMacros = "Software\\Trovane Mouse\\Pelrand\\Setting For KeyCombination";

// A plain top-level window to act on, covering the screen so that X11 input lands on it.
class TargetWindow {
 public:
  explicit TargetWindow(const char* className = "ZyfoTarget") {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    ::RegisterClassA(&wc);
    m_hwnd = ::CreateWindowExA(0, className, "Zyfo target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1024, 740,
                               nullptr, nullptr, wc.hInstance, nullptr);
    ::SetForegroundWindow(m_hwnd);
    PumpUntil([this] { return ::GetForegroundWindow() == m_hwnd; }, 2000);
  }
  ~TargetWindow() {
    if (::IsWindow(m_hwnd)) ::DestroyWindow(m_hwnd);
  }
  HWND hwnd() const { return m_hwnd; }

 private:
  HWND m_hwnd = nullptr;
};

class Actions : public testing::Test {
 protected:
  void SetUp() override {
    e2e::EndAllInstances();
    DeleteProgramSettings();
    Xdotool("mousemove 512 384");
  }
  void TearDown() override { ScreenshotOnFailure("actions"); }

  // Starts the program with the fifth button (X2, xdotool button 9) on `code`.
  void StartWithFifthButton(int code) {
    ASSERT_TRUE(WriteUserDword(kButtons, "key4", static_cast<DWORD>(code)));
    ASSERT_TRUE(program.StartAndWait());
    observer = std::make_unique<InputObserver>();
  }

  // Changes the fifth button's function as an outside program would.
  void ReloadFifthButton(int code) {
    ASSERT_TRUE(WriteUserDword(kButtons, "key4", static_cast<DWORD>(code)));
    ::SendMessageA(program.Frame(), res::WM_RELOAD_BUTTONS, 0, 0);
  }

  // Waits until the observer has seen `text` (compact form), or times out.
  std::string WaitForInjected(const std::string& text, DWORD timeoutMs = 3000) {
    PumpUntil([&] { return observer->InjectedText() == text; }, timeoutMs);
    PumpFor(150);  // anything more would show up now
    return observer->InjectedText();
  }

  e2e::Program program;
  std::unique_ptr<InputObserver> observer;
};

TEST_F(Actions, CopyOnTheFifthButtonSendsCtrlCAsExtendedInjectedKeys) {
  ScreenWindow screen;
  StartWithFifthButton(9);  // Kopieren (Strg+C)
  Xdotool("click 9");
  EXPECT_EQ(WaitForInjected("kd11:11 kd43:11 ku11:91 ku43:91"), "kd11:11 kd43:11 ku11:91 ku43:91");
  // The physical button was taken by the program, not passed on.
  EXPECT_EQ(screen.Count(WM_XBUTTONDOWN), 0);
  EXPECT_EQ(screen.Count(WM_XBUTTONUP), 0);
}

TEST_F(Actions, BackClicksTheFirstExtraButtonOnReleaseOnly) {
  ScreenWindow screen;
  StartWithFifthButton(3);  // Zurück
  Xdotool("mousedown 9");
  PumpFor(400);
  EXPECT_EQ(observer->InjectedText(), "");
  Xdotool("mouseup 9");
  EXPECT_EQ(WaitForInjected("xd1 xu1"), "xd1 xu1");
  PumpUntil([&] { return screen.Count(WM_XBUTTONUP) == 1; }, 1000);
  EXPECT_EQ(screen.Count(WM_XBUTTONDOWN), 1);
  EXPECT_EQ(screen.Count(WM_XBUTTONUP), 1);
}

TEST_F(Actions, HeldShiftStaysDownUntilTheButtonIsReleased) {
  ScreenWindow screen;
  StartWithFifthButton(29);  // Umschalttaste
  Xdotool("mousedown 9");
  EXPECT_EQ(WaitForInjected("kd10:11"), "kd10:11");
  PumpFor(600);
  EXPECT_EQ(observer->InjectedText(), "kd10:11") << "one key-down, no repeats, no early release";
  Xdotool("mouseup 9");
  EXPECT_EQ(WaitForInjected("kd10:11 ku10:91"), "kd10:11 ku10:91");
}

TEST_F(Actions, ExitWhileAHeldFunctionIsDownReleasesIt) {
  ScreenWindow screen;
  StartWithFifthButton(10);  // Strg
  Xdotool("mousedown 9");
  EXPECT_EQ(WaitForInjected("kd11:11"), "kd11:11");
  ASSERT_TRUE(program.Exit());
  PumpFor(200);
  EXPECT_EQ(observer->InjectedText(), "kd11:11 ku11:91");
  Xdotool("mouseup 9");
}

TEST_F(Actions, StoredMacroReplaysPressesThenReleasesEmptySlotsIncluded) {
  ScreenWindow screen;
  const DWORD macro[10] = {0x41, 0x42, 0, 0, 0, 0x41, 0x42, 0, 0, 0};
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(WriteUserDword(kMacros, "keyCombination" + std::to_string(i), macro[i]));
  StartWithFifthButton(48);  // Tastenmakro 1
  Xdotool("mousedown 9");
  PumpFor(300);
  EXPECT_EQ(observer->InjectedText(), "") << "a macro plays on release";
  Xdotool("mouseup 9");
  const std::string expected =
      "kd41:11 kd42:11 kd00:11 kd00:11 kd00:11 ku41:91 ku42:91 ku00:91 ku00:91 ku00:91";
  EXPECT_EQ(WaitForInjected(expected), expected);
}

TEST_F(Actions, AButtonWithoutFunctionClicksByItselfOrStaysSilent) {
  ScreenWindow screen;
  // -1 from older stored settings on the right button, 60 from an outside tool on the 5th.
  ASSERT_TRUE(WriteUserDword(kButtons, "key2", static_cast<DWORD>(-1)));
  StartWithFifthButton(60);
  Xdotool("click 9");
  Xdotool("click 3");
  EXPECT_TRUE(PumpUntil([&] { return screen.Count(WM_RBUTTONUP) == 1; }, 3000)) << "the right click passes untouched";
  EXPECT_EQ(screen.Count(WM_RBUTTONDOWN), 1);
  PumpFor(200);
  EXPECT_EQ(screen.Count(WM_XBUTTONDOWN) + screen.Count(WM_XBUTTONUP), 0) << "the 5th button without function is silent";
  EXPECT_EQ(observer->InjectedText(), "");
}

TEST_F(Actions, OnAFreshProfileAMacroLeavesNoKeyDown) {
  ScreenWindow screen;
  StartWithFifthButton(49);  // Tastenmakro 2, nothing recorded
  Xdotool("click 9");
  const std::string expected = "kd00:11 kd00:11 kd00:11 kd00:11 kd00:11 ku00:91 ku00:91 ku00:91 ku00:91 ku00:91";
  EXPECT_EQ(WaitForInjected(expected), expected);
  int balance[256] = {};
  for (const ObservedInput& input : observer->Injected())
    if (input.keyboard) balance[input.vk & 0xFF] += input.message == WM_KEYDOWN || input.message == WM_SYSKEYDOWN ? 1 : -1;
  for (int vk = 0; vk < 256; ++vk) EXPECT_EQ(balance[vk], 0) << "key " << vk;
}

TEST_F(Actions, ReloadedTableTakesEffectAtTheNextPressWithoutRestart) {
  ScreenWindow screen;
  StartWithFifthButton(60);
  ReloadFifthButton(24);  // Einfügen (Strg+V)
  Xdotool("click 9");
  EXPECT_EQ(WaitForInjected("kd11:11 kd56:11 ku11:91 ku56:91"), "kd11:11 kd56:11 ku11:91 ku56:91");
  observer->Clear();
  // A deleted value reloads as its index: the fifth button's default, "Weiter".
  ASSERT_EQ(::RegDeleteKeyValueA(HKEY_CURRENT_USER, kButtons.c_str(), "key4"), ERROR_SUCCESS);
  ::SendMessageA(program.Frame(), res::WM_RELOAD_BUTTONS, 0, 0);
  Xdotool("click 9");
  EXPECT_EQ(WaitForInjected("xd2 xu2"), "xd2 xu2");
}

TEST_F(Actions, EventsPostedByAnOutsideProgramAreHandledOnTheWorkerThread) {
  StartWithFifthButton(28);  // Alle auswählen (Strg+A)
  HWND dispatch = ::FindWindowA(nullptr, res::kDispatchTitle);
  ASSERT_EQ(dispatch, program.Dispatch());
  EXPECT_NE(::GetWindowThreadProcessId(dispatch, nullptr), ::GetWindowThreadProcessId(program.Frame(), nullptr));
  ::PostMessageA(dispatch, makerlibs::WM_MOUSEBTN_DOWN, 0, 14);
  ::PostMessageA(dispatch, makerlibs::WM_MOUSEBTN_UP, 0, 14);
  EXPECT_EQ(WaitForInjected("kd11:11 kd41:11 ku11:91 ku41:91"), "kd11:11 kd41:11 ku11:91 ku41:91");
  observer->Clear();
  // Resolution steps on press, unknown codes, and a missing sixth slot do nothing here.
  for (LPARAM code : {36, 37, 52, 0}) {
    ::PostMessageA(dispatch, makerlibs::WM_MOUSEBTN_DOWN, 0, code);
    ::PostMessageA(dispatch, makerlibs::WM_MOUSEBTN_UP, 0, code);
  }
  PumpFor(400);
  EXPECT_EQ(observer->InjectedText(), "");
}

class WindowCommands : public Actions {
 protected:
  void Press(HWND target) {
    ::SetForegroundWindow(target);
    PumpUntil([&] { return ::GetForegroundWindow() == target; }, 2000);
    Xdotool("click 9");
    PumpFor(500);
  }
};

TEST_F(WindowCommands, MaximiseMinimiseAndCloseActOnTheForegroundWindow) {
  StartWithFifthButton(22);  // Maximieren
  TargetWindow target;
  Press(target.hwnd());
  EXPECT_TRUE(::IsZoomed(target.hwnd()));

  ReloadFifthButton(23);  // Minimieren
  Press(target.hwnd());
  EXPECT_TRUE(::IsIconic(target.hwnd()));

  ::ShowWindow(target.hwnd(), SW_RESTORE);
  ReloadFifthButton(8);  // Schließen
  Press(target.hwnd());
  EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(target.hwnd()); }, 2000));
}

TEST_F(WindowCommands, TheTaskbarIsNeverMaximisedNorMinimised) {
  StartWithFifthButton(22);
  TargetWindow taskbar("Shell_TrayWnd");
  Press(taskbar.hwnd());
  EXPECT_FALSE(::IsZoomed(taskbar.hwnd()));
  ReloadFifthButton(23);
  Press(taskbar.hwnd());
  EXPECT_FALSE(::IsIconic(taskbar.hwnd()));
}

TEST_F(WindowCommands, ATabControlWindowIsNotMinimisedButMaximised) {
  StartWithFifthButton(23);
  TargetWindow tabs("SysTabControl32");
  Press(tabs.hwnd());
  EXPECT_FALSE(::IsIconic(tabs.hwnd()));
  ReloadFifthButton(22);
  Press(tabs.hwnd());
  EXPECT_TRUE(::IsZoomed(tabs.hwnd()));
}

}  // namespace
