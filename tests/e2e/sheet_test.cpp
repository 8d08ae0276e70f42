// The Buttons and Programme tabs of the real program, driven as a user would:
// clicks, keys, the wheel, menus, the file dialog, and the effect on the
// physical mouse buttons.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "res/identity.h"
#include "res/resource.h"
#include "tests/support/input_observer.h"
#include "tests/support/program.h"
#include "tests/support/scenario.h"
#include "tests/support/sheet_driver.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kButtons = "Software\\Trovane Mouse\\Pelrand\\Setting For Key";
const std::string kPrograms = Section(ZYFO_SECTION_PROGRAMS);

// The values of a key as "name=data ..." (DWORDs as numbers), or "absent".
std::string Values(const std::string& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return "absent";
  std::string out;
  char name[256];
  DWORD data = 0, nameSize = sizeof name, size = sizeof data, type = 0;
  for (DWORD i = 0; ::RegEnumValueA(key, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) == 0;
       ++i, nameSize = sizeof name, size = sizeof data)
    out += (out.empty() ? "" : " ") + std::string(name) + "=" + (type == REG_DWORD ? std::to_string(data) : "?");
  ::RegCloseKey(key);
  return out;
}

class Sheet : public testing::Test {
 protected:
  void SetUp() override {
    e2e::EndAllInstances();
    DeleteProgramSettings();
    Xdotool("mousemove 1000 700");
    ASSERT_TRUE(program.StartAndWait());
    ASSERT_TRUE(driver.Open());
  }
  void TearDown() override { ScreenshotOnFailure("sheet"); }

  HWND Item(int id) const { return driver.Item(id); }
  LRESULT Selection(int id) const { return ::SendMessageA(Item(id), CB_GETCURSEL, 0, 0); }
  bool ApplyEnabled() const { return ::IsWindowEnabled(driver.Button(e2e::kApplyButton)) != FALSE; }
  // The fifth button pressed physically, over a window of the test: what the program synthesised.
  std::string FifthButtonGives(const std::string& expected) {
    ScreenWindow screen;
    InputObserver observer;
    Xdotool("mousemove 512 384 click 9");
    PumpUntil([&] { return observer.InjectedText() == expected; });
    return observer.InjectedText();
  }

  // The program list's entries, as "a b c" with the selected one starred.
  std::string ProgramList() const {
    HWND list = Item(IDC_PROGRAM_LIST);
    const LRESULT selected = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
    std::string out;
    for (LRESULT i = 0; i < ::SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) {
      // Wide: Wine hands a narrow LB_GETTEXT from another process the wide text.
      wchar_t wide[300] = {};
      ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
      char name[600] = {};
      ::WideCharToMultiByte(CP_ACP, 0, wide, -1, name, sizeof name, nullptr, nullptr);
      out += (out.empty() ? "" : " ") + std::string(i == selected ? "*" : "") + name;
    }
    return out;
  }
  // The six lists' selections, "-1" where none.
  std::string Shown() const {
    std::string out;
    for (int id : {IDC_FUNC_LEFT, IDC_FUNC_WHEEL, IDC_FUNC_RIGHT, IDC_FUNC_FOURTH, IDC_FUNC_FIFTH, IDC_FUNC_SIXTH})
      out += (out.empty() ? "" : ".") + std::to_string(Selection(id));
    return out;
  }
  // "Hinzufügen..." clicked, then the keys that choose in its menu.
  bool AddThroughMenu(const std::string& keys, const char* shotName) {
    driver.Click(Item(IDC_PROGRAM_ADD));
    if (!PumpUntil([&] { return e2e::VisibleMenuOf(program.ProcessId()) != nullptr; })) return false;
    PumpFor(200);
    if (shotName) Screenshot(shotName);
    Xdotool("key " + keys);
    return PumpUntil([&] { return e2e::VisibleMenuOf(program.ProcessId()) == nullptr; });
  }
  // A real click on an empty spot of the page gives the sheet the keyboard; then a control gets it.
  void FocusOn(int id) {
    RECT page{};
    ::GetWindowRect(driver.CurrentPage(), &page);
    Xdotool("mousemove " + std::to_string(page.left + 4) + " " + std::to_string(page.bottom - 4) + " click 1");
    ::SendMessageA(driver.CurrentPage(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
    PumpFor(200);
  }

  e2e::Program program;
  e2e::SheetDriver driver{program};
};

TEST_F(Sheet, KeysAndTheWheelChooseAndMarkAndApplyPutsTheChoiceIntoEffect) {
  EXPECT_FALSE(::IsWindowEnabled(Item(IDC_FUNC_LEFT)));
  EXPECT_FALSE(::IsWindowVisible(Item(IDC_FUNC_SIXTH)));
  // A real click on an empty spot of the page gives the sheet the keyboard.
  RECT page{};
  ::GetWindowRect(driver.CurrentPage(), &page);
  const std::string spot = std::to_string(page.left + 4) + " " + std::to_string(page.bottom - 4);
  Xdotool("mousemove " + spot + " click 1");
  ::SendMessageA(driver.CurrentPage(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_DEFAULTS)), TRUE);
  // The wheel over the page marks it modified (the slider may have moved under it).
  Xdotool("mousemove " + spot + " click 5");
  EXPECT_TRUE(PumpUntil([&] { return ApplyEnabled(); }, 2000));
  ::SendMessageA(driver.CurrentPage(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_FUNC_FIFTH)), TRUE);
  // A letter no entry starts with changes nothing (an editable list lost its selection here).
  Xdotool("key q");
  PumpFor(300);
  EXPECT_EQ(Selection(IDC_FUNC_FIFTH), 4);
  Xdotool("key z");
  EXPECT_TRUE(PumpUntil([&] { return Selection(IDC_FUNC_FIFTH) == 3; }, 2000)) << "Zur\xfc" "ck by its first letter";
  // The sheet sees Ctrl+Tab first, even with the focus on a control of a page.
  Xdotool("key ctrl+Tab");
  EXPECT_TRUE(PumpUntil([&] { return driver.CurrentTab() == 1; }, 2000));
  Xdotool("key ctrl+shift+Tab");
  EXPECT_TRUE(PumpUntil([&] { return driver.CurrentTab() == 0; }, 2000));

  driver.Click(driver.Button(e2e::kApplyButton));
  DWORD value = 0;
  EXPECT_TRUE(PumpUntil([&] { return ReadUserDword(kButtons, "key4", &value) && value == 3; }, 2000)) << value;
  EXPECT_EQ(FifthButtonGives("xd1 xu1"), "xd1 xu1") << "the sheet still open, the physical button goes back";
}

TEST_F(Sheet, DefaultsActAtOnceButCancelStoresNothing) {
  ASSERT_TRUE(WriteUserDword(kButtons, "key4", 9));
  driver.Click(Item(IDC_DEFAULTS));  // the fifth button was "Weiter", its index
  EXPECT_EQ(Selection(IDC_FUNC_FOURTH), 4);
  EXPECT_EQ(Selection(IDC_FUNC_FIFTH), 3);
  EXPECT_EQ(Selection(IDC_FUNC_SIXTH), 47);
  driver.Click(driver.Button(e2e::kCancelButton));
  ASSERT_TRUE(driver.WaitClosed());
  DWORD value = 0;
  ASSERT_TRUE(ReadUserDword(kButtons, "key4", &value));
  EXPECT_EQ(value, 9u) << "Cancel stores nothing";
  EXPECT_EQ(FifthButtonGives("xd1 xu1"), "xd1 xu1") << "the executor already performs the default";
}

TEST_F(Sheet, ProgrammeTabAddsEditsAndRemovesProgramsAndOnlyApplyOfAChangeStoresThem) {
  // An outside tool stored one slot for a program (the rest reads as the main table's).
  ASSERT_TRUE(WriteUserDword(kPrograms + "\\Tool.exe", "key4", 99));
  ::SendMessageA(program.Frame(), res::WM_RELOAD_BUTTONS, 0, 0);
  ASSERT_TRUE(driver.ShowTab(e2e::kProgramsTab));
  EXPECT_EQ(ProgramList(), "*Tool.exe");
  EXPECT_EQ(Shown(), "0.1.2.3.-1.5") << "a code outside the catalogue shows as none";
  EXPECT_FALSE(::IsWindowEnabled(Item(IDC_FUNC_LEFT)));
  EXPECT_FALSE(::IsWindowVisible(Item(IDC_FUNC_SIXTH)));
  EXPECT_TRUE(::IsWindowEnabled(Item(IDC_PROGRAM_REMOVE)));
  // Looked at, then OK: nothing written.
  driver.Click(driver.Button(e2e::kOkButton));
  ASSERT_TRUE(driver.WaitClosed());
  EXPECT_EQ(Values(kPrograms + "\\Tool.exe"), "key4=99");

  ASSERT_TRUE(driver.Open());
  ASSERT_TRUE(driver.ShowTab(e2e::kProgramsTab));
  EXPECT_FALSE(ApplyEnabled());
  // A window of this test program is open: its program is offered in the add menu,
  // after the file dialog's entry and a separator.
  HWND own = ::CreateWindowExA(0, "STATIC", "Zyfo test program", WS_POPUP | WS_VISIBLE | WS_BORDER, 700, 650, 200, 60,
                               nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(AddThroughMenu("Down Down Return", "programs-add-menu"));
  EXPECT_EQ(ProgramList(), "*e2e_tests.exe Tool.exe");
  EXPECT_EQ(Shown(), "0.1.2.3.4.5") << "the main table's functions";
  EXPECT_TRUE(ApplyEnabled());
  // The file dialog, by keys.
  ASSERT_TRUE(AddThroughMenu("Down Return", nullptr));
  HWND dialog = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (dialog = ::FindWindowA("#32770", "Programm hinzuf\xfcgen")) != nullptr; }));
  PumpFor(500);
  Xdotool("type --delay 20 'C:\\windows\\NOTEPAD.exe'");
  Xdotool("key Return");
  EXPECT_TRUE(PumpUntil([&] { return ::IsWindow(dialog) == FALSE; }, 5000));
  EXPECT_EQ(ProgramList(), "e2e_tests.exe *NOTEPAD.exe Tool.exe");
  ::DestroyWindow(own);

  // The fifth button of this test program becomes "Zur\xfcck".
  const HWND list = Item(IDC_PROGRAM_LIST);
  RECT rows{};
  ::GetWindowRect(list, &rows);
  const LRESULT rowHeight = ::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
  Xdotool("mousemove " + std::to_string(rows.left + 30) + " " + std::to_string(rows.top + 2 + rowHeight / 2) + " click 1");
  EXPECT_TRUE(PumpUntil([&] { return ProgramList() == "*e2e_tests.exe NOTEPAD.exe Tool.exe"; }, 2000)) << ProgramList();
  FocusOn(IDC_FUNC_FIFTH);
  Xdotool("key z");
  EXPECT_TRUE(PumpUntil([&] { return Selection(IDC_FUNC_FIFTH) == 3; }, 2000));
  EXPECT_EQ(FifthButtonGives("xd2 xu2"), "xd2 xu2") << "the main table, until Apply";
  EXPECT_EQ(Values(kPrograms + "\\e2e_tests.exe"), "absent");

  driver.Click(driver.Button(e2e::kApplyButton));
  EXPECT_TRUE(PumpUntil([&] { return Values(kPrograms + "\\e2e_tests.exe") != "absent"; }, 2000));
  EXPECT_EQ(Values(kPrograms + "\\e2e_tests.exe"), "key0=0 key1=1 key2=2 key3=3 key4=3 key5=5");
  EXPECT_EQ(Values(kPrograms + "\\NOTEPAD.exe"), "key0=0 key1=1 key2=2 key3=3 key4=4 key5=5");
  EXPECT_EQ(Values(kPrograms + "\\Tool.exe"), "key4=99") << "an unchanged program stays as stored";
  EXPECT_FALSE(ApplyEnabled());
  EXPECT_EQ(FifthButtonGives("xd1 xu1"), "xd1 xu1") << "in front of this program, its own table acts at once";

  // Both removed: the first one selected, then the next one moves up.
  driver.Click(Item(IDC_PROGRAM_REMOVE));
  EXPECT_EQ(ProgramList(), "*NOTEPAD.exe Tool.exe");
  driver.Click(Item(IDC_PROGRAM_REMOVE));
  EXPECT_EQ(ProgramList(), "*Tool.exe");
  driver.Click(driver.Button(e2e::kApplyButton));
  EXPECT_TRUE(PumpUntil([&] { return Values(kPrograms + "\\e2e_tests.exe") == "absent"; }, 2000));
  EXPECT_EQ(Values(kPrograms + "\\NOTEPAD.exe"), "absent");
  EXPECT_EQ(Values(kPrograms + "\\Tool.exe"), "key4=99");
  EXPECT_EQ(FifthButtonGives("xd2 xu2"), "xd2 xu2") << "the main table again";
  Screenshot("programs-page");
  driver.Click(driver.Button(e2e::kOkButton));
  EXPECT_TRUE(driver.WaitClosed());
}

}  // namespace
