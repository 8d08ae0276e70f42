// The Buttons tab of the real program, driven as a user would: clicks, keys,
// the wheel, and the effect on the physical mouse buttons.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "res/resource.h"
#include "tests/support/input_observer.h"
#include "tests/support/program.h"
#include "tests/support/sheet_driver.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kButtons = "Software\\Trovane Mouse\\Pelrand\\Setting For Key";

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

}  // namespace
