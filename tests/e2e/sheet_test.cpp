// The configuration sheet of the real program, driven as a user drives it:
// real clicks, keys and the wheel. Looking changes nothing, however unusual the
// settings are; a change on a tab takes effect; the macro tab records what is
// typed into the sheet and nothing typed elsewhere.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "res/resource.h"
#include "tests/support/scenario.h"
#include "tests/support/sheet_driver.h"

using namespace testsupport;

namespace e2e {
namespace {

constexpr UINT kWrite = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
const std::string kButtons = Section(settings::kSectionKey);
const std::string kMacros = Section(settings::kSectionMacro);

std::string Settings() {
  return RegistryText(std::string("Software\\") + settings::kRegistryKey) + RegistryText("Control Panel\\Mouse") +
         RegistryText("Control Panel\\Desktop");
}

// The pointer speed a newly started program reads through the platform.
DWORD SpeedReadByANewProgram() {
  DWORD speed = 0;
  return RunWindows(ProgramFolder() + "\\mouse_speed_probe.exe", 10000, &speed) ? speed : 0;
}

// Macro 1's ten values as stored, "-" where absent.
std::string StoredMacro() {
  std::string values;
  for (int i = 0; i < 10; ++i) {
    DWORD v = 0;
    values += (ReadUserDword(kMacros, settings::MacroValueName(i), &v) ? std::to_string(v) : "-") + " ";
  }
  return values;
}

int g_typed = 0;  // key presses that reached this test's own window
LRESULT CALLBACK CountTyped(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION && !(lp & 0xC0000000)) ++g_typed;
  return ::CallNextHookEx(nullptr, code, wp, lp);
}

// The window that has the keyboard in the program's user-interface thread.
HWND FocusOf(HWND sheet) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(sheet, nullptr), &info);
  return info.hwndFocus;
}

class Sheet : public Scenario {
 protected:
  void SetUp() override {
    Scenario::SetUp();
    screen.reset();  // the sheet is what the pointer is over
    Xdotool("mousemove 1000 700");
  }
  LRESULT Selection(int id) const { return ::SendMessageA(driver.Item(id), CB_GETCURSEL, 0, 0); }
  bool Checked(int id) const { return ::SendMessageA(driver.Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  // The fifth button pressed physically, over a window of the test: what the program synthesised.
  std::string FifthButtonGives(const std::string& expected) {
    ScreenWindow window;
    observer->Clear();
    Xdotool("mousemove 512 384 click 9");
    return Injected(expected);
  }

  SheetDriver driver{program};
};

TEST_F(Sheet, KeysAndTheWheelChooseAndMarkAndApplyPutsTheChoiceIntoEffect) {
  Start();
  ASSERT_TRUE(driver.Open());
  EXPECT_FALSE(::IsWindowEnabled(driver.Item(IDC_FUNC_LEFT)));
  EXPECT_FALSE(::IsWindowVisible(driver.Item(IDC_FUNC_SIXTH)));
  driver.TakeKeyboard(IDC_DEFAULTS);
  // The wheel over the page marks it modified (the slider may have moved under it).
  Xdotool("click 5");
  EXPECT_TRUE(PumpUntil([&] { return ::IsWindowEnabled(driver.Button(kApplyButton)) != FALSE; }, 2000));
  ::SendMessageA(driver.CurrentPage(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(driver.Item(IDC_FUNC_FIFTH)), TRUE);
  // A letter no entry starts with changes nothing (an editable list lost its selection here).
  Xdotool("key q");
  PumpFor(300);
  EXPECT_EQ(Selection(IDC_FUNC_FIFTH), 4);
  Xdotool("key z");
  EXPECT_TRUE(PumpUntil([&] { return Selection(IDC_FUNC_FIFTH) == 3; }, 2000)) << "Zur\xfc" "ck by its first letter";
  // The sheet sees Ctrl+Tab first, even with the focus on a control of a page.
  Xdotool("key ctrl+Tab");
  EXPECT_TRUE(PumpUntil([&] { return driver.CurrentTab() == kLauncherTab; }, 2000));
  Xdotool("key ctrl+shift+Tab");
  EXPECT_TRUE(PumpUntil([&] { return driver.CurrentTab() == kButtonsTab; }, 2000));

  driver.Click(driver.Button(kApplyButton));
  DWORD value = 0;
  EXPECT_TRUE(PumpUntil([&] { return ReadUserDword(kButtons, "key4", &value) && value == 3; }, 2000)) << value;
  EXPECT_EQ(FifthButtonGives("xd1 xu1"), "xd1 xu1") << "the sheet still open, the physical button goes back";

  // "Standardeinstellungen" acts at once, but Cancel stores nothing.
  ASSERT_TRUE(WriteUserDword(kButtons, "key4", 9));
  ::SendMessageA(program.Frame(), res::WM_RELOAD_BUTTONS, 0, 0);
  EXPECT_EQ(FifthButtonGives(
                "kd11:11 kd43:11 ku11:91 ku43:91"), "kd11:11 kd43:11 ku11:91 ku43:91") << "the control: Kopieren";
  driver.Click(driver.Item(IDC_DEFAULTS));
  EXPECT_TRUE(Selection(IDC_FUNC_FOURTH) == 4 && Selection(IDC_FUNC_FIFTH) == 3 && Selection(IDC_FUNC_SIXTH) == 47);
  driver.Click(driver.Button(kCancelButton));
  ASSERT_TRUE(driver.WaitClosed());
  EXPECT_TRUE(ReadUserDword(kButtons, "key4", &value) && value == 9u) << "Cancel stores nothing";
  EXPECT_EQ(FifthButtonGives("xd1 xu1"), "xd1 xu1") << "the executor already performs the default";
}

TEST_F(Sheet, EveryTabOpenedAndClosedWithOkWritesNothingAndAChangeOnEachTakesEffect) {
  if (DeviceFile().empty()) GTEST_SKIP() << "run through scripts/test";
  // Settings none of the tabs can show: 5 wheel lines, Windows' own
  // acceleration, a double-click time beyond the slider, a function code and
  // a sensor speed outside their ranges; and an installed launcher section.
  ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 5, nullptr, kWrite);
  int windowsDefault[3] = {6, 10, 1};
  ::SystemParametersInfoA(SPI_SETMOUSE, 0, windowsDefault, kWrite);
  ::SystemParametersInfoA(SPI_SETSNAPTODEFBUTTON, FALSE, nullptr, kWrite);
  ::SystemParametersInfoA(SPI_SETDOUBLECLICKTIME, 1000, nullptr, kWrite);
  ASSERT_TRUE(WriteUserDword(Section(settings::kSectionMouseXY), "key0", 300));
  ASSERT_TRUE(WriteUserDword(Section(settings::kSectionMouseXY), "key1", 12));
  ASSERT_TRUE(WriteUserString(Section(settings::kSectionShortcut), "ShortcutKey #1", "Volume Control"));
  Start({{0, 60}});
  const std::string before = Settings();
  ASSERT_TRUE(driver.Open());
  for (int tab = 0; tab < kTabCount; ++tab) {
    ASSERT_TRUE(driver.ShowTab(tab));
    Screenshot("sheet-tab-" + std::to_string(tab + 1));
  }
  ASSERT_TRUE(driver.ShowTab(kWheelTab));
  EXPECT_EQ(driver.Text(IDC_WHEEL_LINES), "5") << "a count the list lacks, as it is";
  driver.Click(driver.Button(kOkButton));
  ASSERT_TRUE(driver.WaitClosed());
  PumpFor(300);
  EXPECT_EQ(Settings(), before);
  EXPECT_TRUE(DeviceBytes().empty()) << "nothing in range to send";

  // The positive control: a change on each tab.
  ASSERT_TRUE(driver.Open());
  ASSERT_TRUE(driver.ShowTab(kWheelTab));
  RECT combo{};
  ::GetWindowRect(driver.Item(IDC_WHEEL_LINES), &combo);
  Xdotool("mousemove " + std::to_string(combo.right - 6) + " " + std::to_string((combo.top + combo.bottom) / 2) +
          " click 1");  // drops the list, which holds 1, 3, 6
  PumpFor(300);
  Xdotool("key Down Down Down Return");
  EXPECT_TRUE(PumpUntil([] { return StoredSystemValue("Desktop", "WheelScrollLines") == 6; }, 2000))
      << "a list choice is in force at once";
  ASSERT_TRUE(driver.ShowTab(kPointerTab));
  // The level chosen first survives a later change of the speed.
  driver.Click(driver.Item(IDC_ACCEL_MEDIUM));
  driver.Click(driver.Item(IDC_SNAP_DEFAULT));
  driver.TakeKeyboard(IDC_POINTER_SPEED);
  Xdotool("key Right");
  ASSERT_TRUE(driver.ShowTab(kXYTab));
  driver.TakeKeyboard(IDC_SPEED_X);
  Xdotool("key Left");
  driver.Click(driver.Button(kOkButton));
  ASSERT_TRUE(driver.WaitClosed());
  EXPECT_EQ(SpeedReadByANewProgram(), 11u) << "the speed reaches the platform's own call";
  EXPECT_EQ(StoredSystemValue("Mouse", "MouseThreshold1"), 4);
  EXPECT_EQ(StoredSystemValue("Mouse", "MouseThreshold2"), 12);
  EXPECT_EQ(StoredSystemValue("Mouse", "MouseSpeed"), 2);
  EXPECT_EQ(StoredSystemValue("Mouse", "SnapToDefaultButton"), 1);
  EXPECT_EQ(DeviceBytes(), (std::vector<unsigned char>{0x13, 0, 0, 0, 0x0c, 0, 0, 0})) << "X 14 + 5, Y as stored";
  ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 3, nullptr, kWrite);
  ::SystemParametersInfoA(SPI_SETSNAPTODEFBUTTON, FALSE, nullptr, kWrite);
  ::SystemParametersInfoA(SPI_SETDOUBLECLICKTIME, 500, nullptr, kWrite);
}

TEST_F(Sheet, KeysTypedIntoTheMacroTabAreRecordedExactlyAndMoveNothingKeysElsewhereAreNot) {
  Start();
  ASSERT_TRUE(driver.Open());
  ASSERT_TRUE(driver.ShowTab(kMacroTab));
  driver.TakeKeyboard();
  driver.Click(driver.Item(IDC_MACRO1));
  ASSERT_TRUE(::IsWindowEnabled(driver.Item(IDC_MACRO1_STORE)));
  HWND focus = FocusOf(driver.Sheet());
  EXPECT_EQ(focus, driver.Item(IDC_MACRO1));
  Xdotool("key a Down");
  EXPECT_TRUE(PumpUntil([&] { return driver.Text(IDC_MACRO1_TEXT) == " A  Down "; }, 3000));

  // Another window, of this test, takes the keyboard: what is typed there
  // arrives there (the positive control) and not in the macro.
  ScreenWindow other;
  ::SetWindowPos(other.hwnd(), HWND_TOPMOST, 824, 618, 200, 150, SWP_NOACTIVATE);
  HHOOK typed = ::SetWindowsHookExA(WH_KEYBOARD, CountTyped, nullptr, ::GetCurrentThreadId());
  ::SetForegroundWindow(other.hwnd());
  const auto xid = reinterpret_cast<ULONG_PTR>(::GetPropA(other.hwnd(), "__wine_x11_whole_window"));
  Xdotool("windowfocus --sync " + std::to_string(xid));
  Xdotool("key x y");
  EXPECT_TRUE(PumpUntil([] { return g_typed == 2; }, 3000)) << g_typed;
  ::UnhookWindowsHookEx(typed);
  PumpFor(300);
  EXPECT_EQ(driver.Text(IDC_MACRO1_TEXT), " A  Down ");

  driver.TakeKeyboard();
  Xdotool("key space Tab Return Escape");  // a sixth key is not recorded, but kept from the sheet all the same
  EXPECT_TRUE(PumpUntil([&] { return driver.Text(IDC_MACRO1_TEXT) == " A  Down  Space  Tab  Enter "; }, 3000))
      << driver.Text(IDC_MACRO1_TEXT);
  // The sheet kept still: Down chose no other macro, Space and Tab moved
  // nothing, Enter did not press OK, Esc did not cancel.
  EXPECT_TRUE(::IsWindow(driver.Sheet()));
  EXPECT_EQ(driver.CurrentTab(), kMacroTab);
  EXPECT_TRUE(Checked(IDC_MACRO1));
  EXPECT_EQ(FocusOf(driver.Sheet()), focus);
  EXPECT_EQ(StoredMacro(), "- - - - - - - - - - ") << "nothing is stored before APP";

  driver.Click(driver.Item(IDC_MACRO1_STORE));
  EXPECT_TRUE(PumpUntil([&] { return StoredMacro() == "65 40 32 9 13 65 40 32 9 13 "; }, 2000)) << StoredMacro();
  EXPECT_EQ(driver.Text(IDC_MACRO1_TEXT), " A  Down  Space  Tab  Enter ");
  Screenshot("macro-page-recorded");
  // Recorded and stored: keys are the sheet's again, from the macro's choice.
  EXPECT_EQ(FocusOf(driver.Sheet()), focus);
  Xdotool("key Down");
  EXPECT_TRUE(PumpUntil([&] { return Checked(IDC_MACRO2); }, 2000)) << "Down moves to the next macro again";
  // A recording left for another tab ends unstored.
  driver.Click(driver.Item(IDC_MACRO2));
  Xdotool("key b");
  EXPECT_TRUE(PumpUntil([&] { return driver.Text(IDC_MACRO2_TEXT) == " B "; }, 2000));
  ASSERT_TRUE(driver.ShowTab(kAboutTab) && driver.ShowTab(kMacroTab));
  Xdotool("key c");
  PumpFor(300);
  EXPECT_TRUE(driver.Text(IDC_MACRO2_TEXT).empty() && !::IsWindowEnabled(driver.Item(IDC_MACRO2_STORE)));
  driver.Click(driver.Button(kCancelButton));
  ASSERT_TRUE(driver.WaitClosed());
  ASSERT_TRUE(driver.Open());
  ASSERT_TRUE(driver.ShowTab(kMacroTab));
  EXPECT_EQ(driver.Text(IDC_MACRO1_TEXT), " A  Down  Space  Tab  Enter ") << "the field showed what was stored";
}

}  // namespace
}  // namespace e2e
