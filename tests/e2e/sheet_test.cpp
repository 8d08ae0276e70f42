// The configuration sheet of the real program, driven as a user drives it:
// real clicks, keys, the wheel, menus and the file dialog. Looking changes
// nothing, however unusual the settings are; a change on a tab takes effect;
// the macro tab records what is typed into the sheet and nothing typed
// elsewhere; the programme tab stores only what it changed.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "res/identity.h"
#include "res/resource.h"
#include "tests/support/scenario.h"
#include "tests/support/sheet_driver.h"

using namespace testsupport;

namespace e2e {
namespace {

constexpr UINT kWrite = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
const std::string kButtons = Section(settings::kSectionKey);
const std::string kMacros = Section(settings::kSectionMacro);
const std::string kPrograms = Section(settings::kSectionPrograms);

std::string Settings() {
  return RegistryText(std::string("Software\\") + settings::kRegistryKey) + RegistryText("Control Panel\\Mouse") +
         RegistryText("Control Panel\\Desktop");
}

// A program's six stored functions, "0.1.2.3.4.5" ("-" where absent), or "absent".
std::string StoredTable(const std::string& name) {
  const std::string key = kPrograms + "\\" + name;
  if (!UserKeyExists(key)) return "absent";
  std::string out;
  for (int slot = 0; slot < settings::kButtonSlotCount; ++slot) {
    DWORD v = 0;
    out += (slot ? "." : "") + (ReadUserDword(key, ButtonValue(slot), &v) ? std::to_string(v) : std::string("-"));
  }
  return out;
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
    return InjectedAfter("mousemove 512 384 click 9", expected);
  }

  // The programme tab's list, "a b c" with the selected entry starred.
  std::string ProgramList() const {
    HWND list = driver.Item(IDC_PROGRAM_LIST);
    const LRESULT selected = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    std::string out;
    for (LRESULT i = 0; i < ::SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
      // Wide: Wine answers a narrow LB_GETTEXT from another process with the wide text.
      wchar_t wide[300] = {};
      ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
      char name[600] = {};
      ::WideCharToMultiByte(CP_ACP, 0, wide, -1, name, sizeof name, nullptr, nullptr);
      out += (out.empty() ? "" : " ") + std::string(i == selected ? "*" : "") + name;
    }
    return out;
  }
  // The six function lists' choices, "-1" where none.
  std::string Shown() const {
    std::string out;
    for (int id : {IDC_FUNC_LEFT, IDC_FUNC_WHEEL, IDC_FUNC_RIGHT, IDC_FUNC_FOURTH, IDC_FUNC_FIFTH, IDC_FUNC_SIXTH})
      out += (out.empty() ? "" : ".") + std::to_string(Selection(id));
    return out;
  }
  // "Hinzuf\xfcgen..." clicked, then its menu answered with keys.
  bool AddThroughMenu(const std::string& keys) {
    driver.Click(driver.Item(IDC_PROGRAM_ADD));
    if (!PumpUntil([&] { return VisibleMenuOf(program.ProcessId()) != nullptr; })) return false;
    PumpFor(200);
    Xdotool("key " + keys);
    return PumpUntil([&] { return VisibleMenuOf(program.ProcessId()) == nullptr; });
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
  for (int tab = 0; tab < kTabCount; ++tab) ASSERT_TRUE(driver.ShowTab(tab));
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
  EXPECT_EQ(StoredSystemValue("Mouse", "MouseSensitivity"), 11) << "the speed reaches the platform";
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

TEST_F(Sheet, TheProgrammeTabAddsEditsAndRemovesProgramsAndStoresOnlyWhatChanged) {
  // A window of this test program, in front when the program starts. Wine 8
  // reports no foreground switch (EVENT_SYSTEM_FOREGROUND) at all, so there
  // the program keeps the choice it made at its start; on Windows the window
  // of the fifth-button check below is of this program too.
  HWND own = ::CreateWindowExA(0, "STATIC", "Zyfo test program", WS_POPUP | WS_VISIBLE | WS_BORDER, 700, 650, 200, 60,
                               nullptr, nullptr, nullptr, nullptr);
  ::SetForegroundWindow(own);
  // An outside tool stored one slot of a program: the others read as the main table's.
  ASSERT_TRUE(WriteUserDword(kPrograms + "\\Tool.exe", "key4", 99));
  const std::string tool = RegistryText(kPrograms + "\\Tool.exe");
  Start();
  ASSERT_TRUE(driver.Open());
  ASSERT_TRUE(driver.ShowTab(kProgramsTab));
  EXPECT_EQ(ProgramList(), "*Tool.exe");
  EXPECT_EQ(Shown(), "0.1.2.3.-1.5") << "a code outside the catalogue shows as none";
  EXPECT_TRUE(!::IsWindowEnabled(driver.Item(IDC_FUNC_LEFT)) && ::IsWindowEnabled(driver.Item(IDC_FUNC_WHEEL)));
  EXPECT_FALSE(::IsWindowVisible(driver.Item(IDC_FUNC_SIXTH)));
  EXPECT_FALSE(::IsWindowEnabled(driver.Button(kApplyButton)));
  // Looked at, then OK: nothing is written.
  driver.Click(driver.Button(kOkButton));
  ASSERT_TRUE(driver.WaitClosed());
  EXPECT_EQ(RegistryText(kPrograms + "\\Tool.exe"), tool);

  // The add menu offers this test program (its window is open), after the file dialog's entry.
  ASSERT_TRUE(driver.Open());
  ASSERT_TRUE(driver.ShowTab(kProgramsTab));
  ASSERT_TRUE(AddThroughMenu("Down Down Return"));
  EXPECT_EQ(ProgramList(), "*e2e_tests.exe Tool.exe");
  EXPECT_EQ(Shown(), "0.1.2.3.4.5") << "the main table's functions";
  EXPECT_TRUE(::IsWindowEnabled(driver.Button(kApplyButton)));
  // The file dialog, answered with keys.
  ASSERT_TRUE(AddThroughMenu("Down Return"));
  HWND dialog = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (dialog = ::FindWindowA("#32770", "Programm hinzuf\xfcgen")) != nullptr; }));
  PumpFor(500);
  Xdotool("type --delay 20 'C:\\windows\\NOTEPAD.exe'");
  Xdotool("key Return");
  EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(dialog); }, 5000));
  EXPECT_EQ(ProgramList(), "e2e_tests.exe *NOTEPAD.exe Tool.exe");

  // The first row clicked, its fifth button made "Zur\xfcck".
  RECT rows{};
  ::GetWindowRect(driver.Item(IDC_PROGRAM_LIST), &rows);
  const LRESULT rowHeight = ::SendMessageA(driver.Item(IDC_PROGRAM_LIST), LB_GETITEMHEIGHT, 0, 0);
  Xdotool("mousemove " + std::to_string(rows.left + 30) + " " + std::to_string(rows.top + 2 + rowHeight / 2) +
          " click 1");
  EXPECT_TRUE(PumpUntil([&] { return ProgramList() == "*e2e_tests.exe NOTEPAD.exe Tool.exe"; }, 2000)) << ProgramList();
  driver.TakeKeyboard(IDC_FUNC_FIFTH);
  Xdotool("key z");
  EXPECT_TRUE(PumpUntil([&] { return Selection(IDC_FUNC_FIFTH) == 3; }, 2000));
  EXPECT_EQ(FifthButtonGives("xd2 xu2"), "xd2 xu2") << "the main table acts until Apply";
  EXPECT_EQ(StoredTable("e2e_tests.exe"), "absent");

  driver.Click(driver.Button(kApplyButton));
  EXPECT_TRUE(PumpUntil([&] { return StoredTable("e2e_tests.exe") != "absent"; }, 2000));
  EXPECT_EQ(StoredTable("e2e_tests.exe"), "0.1.2.3.3.5");
  EXPECT_EQ(StoredTable("NOTEPAD.exe"), "0.1.2.3.4.5");
  EXPECT_EQ(RegistryText(kPrograms + "\\Tool.exe"), tool) << "an unchanged program stays as stored";
  EXPECT_FALSE(::IsWindowEnabled(driver.Button(kApplyButton)));
  EXPECT_EQ(FifthButtonGives("xd1 xu1"), "xd1 xu1") << "in front of this program its own table acts at once";
  EXPECT_EQ(TrayTipOf(TrayIcons().at(0)), ZYFO_TRAY_TIP " \x96 e2e_tests.exe");

  // Both removed (the next row moves up into the selection) and applied.
  driver.Click(driver.Item(IDC_PROGRAM_REMOVE));
  EXPECT_EQ(ProgramList(), "*NOTEPAD.exe Tool.exe");
  driver.Click(driver.Item(IDC_PROGRAM_REMOVE));
  EXPECT_EQ(ProgramList(), "*Tool.exe");
  driver.Click(driver.Button(kApplyButton));
  EXPECT_TRUE(PumpUntil([&] { return StoredTable("e2e_tests.exe") == "absent"; }, 2000));
  EXPECT_EQ(StoredTable("NOTEPAD.exe"), "absent");
  EXPECT_EQ(RegistryText(kPrograms + "\\Tool.exe"), tool);
  EXPECT_EQ(FifthButtonGives("xd2 xu2"), "xd2 xu2") << "the main table again";
  EXPECT_EQ(TrayTipOf(TrayIcons().at(0)), ZYFO_TRAY_TIP);
  driver.Click(driver.Button(kOkButton));
  EXPECT_TRUE(driver.WaitClosed());
  ::DestroyWindow(own);
}

}  // namespace
}  // namespace e2e
