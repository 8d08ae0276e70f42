// Recording a key macro on the "Makro" tab of the real program with real X11
// keys: what is typed into the sheet goes into the macro and moves nothing in
// the sheet; what is typed into another window is not recorded.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "res/resource.h"
#include "tests/support/program.h"
#include "tests/support/sheet_driver.h"
#include "settings/schema.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kMacros = Section(settings::kSectionMacro);
constexpr int kMacroTab = 4;

// Macro 1's ten values as stored, "-" where absent.
std::string StoredMacro() {
  std::string values;
  for (int i = 0; i < 10; ++i) {
    DWORD v = 0;
    values += (ReadUserDword(kMacros, "keyCombination" + std::to_string(i), &v) ? std::to_string(v) : "-") + " ";
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

class MacroPage : public testing::Test {
 protected:
  void SetUp() override {
    e2e::EndAllInstances();
    DeleteProgramSettings();
    Xdotool("mousemove 1000 700");
  }
  void TearDown() override { ScreenshotOnFailure("macro"); }

  // A real click on an empty spot of the page gives the sheet the keyboard.
  void ClickPage() {
    RECT page{};
    ::GetWindowRect(driver.CurrentPage(), &page);
    Xdotool("mousemove " + std::to_string(page.left + 6) + " " + std::to_string(page.bottom - 6) + " click 1");
    PumpFor(300);
  }
  bool Checked(int id) const { return ::SendMessageA(driver.Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

  e2e::Program program;
  e2e::SheetDriver driver{program};
};

TEST_F(MacroPage, KeysTypedIntoTheSheetAreRecordedExactlyAndMoveNothingKeysElsewhereAreNot) {
  ASSERT_TRUE(program.StartAndWait());
  ASSERT_TRUE(driver.Open());
  ASSERT_TRUE(driver.ShowTab(kMacroTab));
  ClickPage();
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

  ClickPage();
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
  driver.Click(driver.Button(e2e::kCancelButton));
  ASSERT_TRUE(driver.WaitClosed());
  ASSERT_TRUE(driver.Open());
  ASSERT_TRUE(driver.ShowTab(kMacroTab));
  EXPECT_EQ(driver.Text(IDC_MACRO1_TEXT), " A  Down  Space  Tab  Enter ") << "the field showed what was stored";
}

}  // namespace
