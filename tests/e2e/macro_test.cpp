// Recording key macros on the "Makro" tab of the real program with the real
// keyboard hook, and replaying them from a physical mouse button.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "res/resource.h"
#include "tests/support/input_observer.h"
#include "tests/support/program.h"
#include "tests/support/sheet_driver.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kRoot = "Software\\Trovane Mouse\\Pelrand";
const std::string kMacros = kRoot + "\\Setting For KeyCombination";
constexpr int kMacroTab = 4;

std::string StoredMacro(int macro) {
  std::string values;
  for (int i = 0; i < 10; ++i) {
    DWORD value = 0;
    if (!ReadUserDword(kMacros, "keyCombination" + std::to_string(10 * macro + i), &value)) return "absent";
    values += (i ? "," : "") + std::to_string(value);
  }
  return values;
}

class MacroPage : public testing::Test {
 protected:
  void SetUp() override {
    e2e::EndAllInstances();
    DeleteProgramSettings();
    Xdotool("mousemove 1000 700");
  }
  void TearDown() override { ScreenshotOnFailure("macro"); }

  void OpenMacroTab() {
    ASSERT_TRUE(driver.Open());
    ASSERT_TRUE(driver.ShowTab(kMacroTab));
    // A real click on an empty spot of the page gives the sheet the keyboard.
    RECT page{};
    ::GetWindowRect(driver.CurrentPage(), &page);
    Xdotool("mousemove " + std::to_string(page.left + 6) + " " + std::to_string(page.bottom - 6) + " click 1");
    PumpFor(200);
  }

  bool Enabled(int id) const { return ::IsWindowEnabled(driver.Item(id)) != FALSE; }

  e2e::Program program;
  e2e::SheetDriver driver{program};
};

TEST_F(MacroPage, RecordedOnTheKeyboardShownByNameStoredAtOnceAndReplayedByAButton) {
  ASSERT_TRUE(WriteUserDword(kRoot + "\\Setting For Key", "key4", 48));  // 5th button: Tastenmakro 1
  ASSERT_TRUE(program.StartAndWait());
  OpenMacroTab();
  for (int id : {IDC_MACRO1_STORE, IDC_MACRO2_STORE, IDC_MACRO3_STORE}) EXPECT_FALSE(Enabled(id)) << id;

  driver.Click(driver.Item(IDC_MACRO1));
  EXPECT_TRUE(Enabled(IDC_MACRO1_STORE));
  EXPECT_FALSE(Enabled(IDC_MACRO2_STORE));
  EXPECT_FALSE(Enabled(IDC_MACRO3_STORE));
  Xdotool("key ctrl+alt+z");
  EXPECT_TRUE(PumpUntil([&] { return driver.Text(IDC_MACRO1_TEXT) == " Ctrl  Alt  Z "; }, 3000))
      << driver.Text(IDC_MACRO1_TEXT);
  EXPECT_EQ(StoredMacro(0), "absent") << "nothing is stored before APP";
  driver.Click(driver.Item(IDC_MACRO1_STORE));
  EXPECT_TRUE(PumpUntil([&] { return StoredMacro(0) == "17,18,90,0,0,17,18,90,0,0"; }, 2000)) << StoredMacro(0);
  EXPECT_TRUE(::IsWindowEnabled(driver.Button(e2e::kApplyButton)));

  // APP right after choosing stores an empty macro.
  driver.Click(driver.Item(IDC_MACRO2));
  driver.Click(driver.Item(IDC_MACRO2_STORE));
  EXPECT_TRUE(PumpUntil([&] { return StoredMacro(1) == "0,0,0,0,0,0,0,0,0,0"; }, 2000)) << StoredMacro(1);

  // Five keys at most: the sixth changes nothing.
  driver.Click(driver.Item(IDC_MACRO3));
  Xdotool("key a b c d e");
  EXPECT_TRUE(PumpUntil([&] { return driver.Text(IDC_MACRO3_TEXT) == " A  B  C  D  E "; }, 3000));
  Xdotool("key f");
  PumpFor(400);
  EXPECT_EQ(driver.Text(IDC_MACRO3_TEXT), " A  B  C  D  E ");
  driver.Click(driver.Item(IDC_MACRO3_STORE));
  EXPECT_TRUE(PumpUntil([&] { return StoredMacro(2) == "65,66,67,68,69,65,66,67,68,69"; }, 2000));
  EXPECT_EQ(driver.Text(IDC_MACRO1_TEXT), " Ctrl  Alt  Z ") << "the other macros keep their lines";
  Screenshot("macro-page-recorded");

  // The 5th button replays macro 1 from now on: Ctrl, Alt, Z down, then up.
  InputObserver observer;
  Xdotool("click 9");
  const std::string replay = "kd11:11 kd12:11 kd5a:11 kd00:11 kd00:11 ku11:91 ku12:91 ku5a:91 ku00:91 ku00:91";
  EXPECT_TRUE(PumpUntil([&] { return observer.InjectedText() == replay; }, 3000)) << observer.InjectedText();

  // After the sheet closes, keys reach nothing of the program; the next opening
  // shows each stored macro by its key names.
  driver.Click(driver.Button(e2e::kCancelButton));
  ASSERT_TRUE(driver.WaitClosed());
  Xdotool("key x y");
  PumpFor(300);
  ASSERT_TRUE(driver.Open());
  ASSERT_TRUE(driver.ShowTab(kMacroTab));
  EXPECT_EQ(driver.Text(IDC_MACRO1_TEXT), " Ctrl  Alt  Z ");
  EXPECT_EQ(driver.Text(IDC_MACRO2_TEXT), "");
  EXPECT_EQ(driver.Text(IDC_MACRO3_TEXT), " A  B  C  D  E ");
  EXPECT_EQ(StoredMacro(0), "17,18,90,0,0,17,18,90,0,0");
  EXPECT_TRUE(program.Running());
}

}  // namespace
