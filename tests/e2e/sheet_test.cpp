// The configuration sheet of the real program, driven as a user would: clicks
// on its buttons, choices in its lists, and the effect on the mouse buttons.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "res/identity.h"
#include "res/resource.h"
#include "tests/support/input_observer.h"
#include "tests/support/program.h"
#include "tests/support/sheet_driver.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kRoot = "Software\\Trovane Mouse\\Pelrand";
const std::string kButtons = kRoot + "\\Setting For Key";
using e2e::kApplyButton;
using e2e::kCancelButton;
using e2e::kOkButton;

int StoredDoubleClickTime() {
  std::string text;
  if (!ReadUserString("Control Panel\\Mouse", "DoubleClickSpeed", &text)) return -1;
  return std::atoi(text.c_str());
}

class Sheet : public testing::Test {
 protected:
  void SetUp() override {
    e2e::EndAllInstances();
    DeleteProgramSettings();
    Xdotool("mousemove 1000 700");
  }
  void TearDown() override { ScreenshotOnFailure("sheet"); }

  void StartAndOpen() {
    ASSERT_TRUE(program.StartAndWait());
    ASSERT_TRUE(driver.Open());
    sheet = driver.Sheet();
  }

  HWND CurrentPage() const { return driver.CurrentPage(); }
  HWND Item(int id) const { return driver.Item(id); }
  void Click(HWND control) { driver.Click(control); }

  // Chooses an entry of a function list as the list would report it.
  void Choose(int listId, int code) {
    HWND list = Item(listId);
    ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(code), 0);
    ::SendMessageA(CurrentPage(), WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  }

  bool SheetClosed() {
    return PumpUntil([] { return ::FindWindowA(nullptr, res::kSheetCaption) == nullptr; });
  }

  e2e::Program program;
  e2e::SheetDriver driver{program};
  HWND sheet = nullptr;
};

TEST_F(Sheet, SevenTabsInTheirOrderEachLookedAt) {
  StartAndOpen();
  HWND tabs = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  ASSERT_EQ(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 7);
  for (int i = 0; i < 7; ++i) {
    ::SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(i), 0);
    PumpFor(400);
    Screenshot("sheet-tab-" + std::to_string(i + 1));
  }
  // The caption is the sheet's title as outside programs see it.
  char title[64] = {};
  ::GetWindowTextA(sheet, title, sizeof title);
  EXPECT_STREQ(title, "Quorra Kestrin Software");
  Click(::GetDlgItem(sheet, kCancelButton));
  EXPECT_TRUE(SheetClosed());
}

TEST_F(Sheet, ListsShowTheTableAndTheLeftOneIsDisabledTheSixthHidden) {
  ASSERT_TRUE(WriteUserDword(kButtons, "key3", 47));
  StartAndOpen();
  const int ids[6] = {IDC_FUNC_LEFT, IDC_FUNC_WHEEL, IDC_FUNC_RIGHT, IDC_FUNC_FOURTH, IDC_FUNC_FIFTH, IDC_FUNC_SIXTH};
  const int expected[6] = {0, 1, 2, 47, 4, 5};
  for (int slot = 0; slot < 6; ++slot) {
    EXPECT_EQ(::SendMessageA(Item(ids[slot]), CB_GETCOUNT, 0, 0), 51) << "slot " << slot;
    EXPECT_EQ(::SendMessageA(Item(ids[slot]), CB_GETCURSEL, 0, 0), expected[slot]) << "slot " << slot;
  }
  EXPECT_FALSE(::IsWindowEnabled(Item(IDC_FUNC_LEFT)));
  EXPECT_FALSE(::IsWindowVisible(Item(IDC_FUNC_SIXTH)));
  EXPECT_FALSE(::IsWindowEnabled(Item(IDC_FUNC_SIXTH)));
  EXPECT_TRUE(::IsWindowEnabled(Item(IDC_FUNC_FIFTH)));
}

TEST_F(Sheet, ApplyStoresTheNewFunctionAndTheNextPhysicalPressUsesIt) {
  ScreenWindow screen;
  StartAndOpen();
  Choose(IDC_FUNC_FIFTH, 9);  // Kopieren (Strg+C)
  HWND apply = ::GetDlgItem(sheet, kApplyButton);
  ASSERT_TRUE(PumpUntil([&] { return ::IsWindowEnabled(apply) != FALSE; }, 2000)) << "a choice enables Apply";
  Click(apply);
  DWORD value = 0;
  ASSERT_TRUE(PumpUntil([&] { return ReadUserDword(kButtons, "key4", &value); }, 2000));
  EXPECT_EQ(value, 9u);
  for (int slot : {0, 1, 2, 3, 5}) {
    ASSERT_TRUE(ReadUserDword(kButtons, "key" + std::to_string(slot), &value)) << "all six are written";
    EXPECT_EQ(value, static_cast<DWORD>(slot));
  }
  // Still open; the physical fifth button now copies.
  InputObserver observer;
  ::SetForegroundWindow(screen.hwnd());
  Xdotool("mousemove 512 384 click 9");
  EXPECT_TRUE(PumpUntil([&] { return observer.InjectedText() == "kd11:11 kd43:11 ku11:91 ku43:91"; }));
  EXPECT_EQ(observer.InjectedText(), "kd11:11 kd43:11 ku11:91 ku43:91");
}

TEST_F(Sheet, TurningTheWheelOnThePageMarksItModified) {
  StartAndOpen();
  HWND apply = ::GetDlgItem(sheet, kApplyButton);
  ASSERT_FALSE(::IsWindowEnabled(apply));
  // Focus on a control the wheel does nothing to, then one notch.
  HWND defaults = Item(IDC_DEFAULTS);
  ::SendMessageA(CurrentPage(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(defaults), TRUE);
  RECT rect{};
  ::GetWindowRect(Item(IDC_DBLCLK_CLIP), &rect);
  Xdotool("mousemove " + std::to_string(rect.left + 5) + " " + std::to_string(rect.top + 5) + " click 5");
  EXPECT_TRUE(PumpUntil([&] { return ::IsWindowEnabled(apply) != FALSE; }, 2000));
  for (int id : {IDC_FUNC_WHEEL, IDC_FUNC_RIGHT, IDC_FUNC_FOURTH, IDC_FUNC_FIFTH})
    EXPECT_EQ(::SendMessageA(Item(id), CB_GETCURSEL, 0, 0), id - IDC_FUNC_LEFT) << "nothing else changed";
}

TEST_F(Sheet, AStoredCodeOutsideTheCatalogueShowsNoSelectionAndIsStoredAsMinusOne) {
  ASSERT_TRUE(WriteUserDword(kButtons, "key0", 60));
  StartAndOpen();
  EXPECT_EQ(::SendMessageA(Item(IDC_FUNC_LEFT), CB_GETCURSEL, 0, 0), CB_ERR);
  Click(::GetDlgItem(sheet, kOkButton));
  EXPECT_TRUE(SheetClosed());
  DWORD value = 0;
  ASSERT_TRUE(ReadUserDword(kButtons, "key0", &value));
  EXPECT_EQ(static_cast<int>(value), -1);
}

TEST_F(Sheet, DefaultsActAtOnceButCancelStoresNothing) {
  ASSERT_TRUE(WriteUserDword(kButtons, "key4", 9));
  ScreenWindow screen;
  StartAndOpen();
  Click(Item(IDC_DEFAULTS));
  EXPECT_EQ(::SendMessageA(Item(IDC_FUNC_FOURTH), CB_GETCURSEL, 0, 0), 4);
  EXPECT_EQ(::SendMessageA(Item(IDC_FUNC_FIFTH), CB_GETCURSEL, 0, 0), 3);
  EXPECT_EQ(::SendMessageA(Item(IDC_FUNC_SIXTH), CB_GETCURSEL, 0, 0), 47);
  Click(::GetDlgItem(sheet, kCancelButton));
  ASSERT_TRUE(SheetClosed());
  DWORD value = 0;
  ASSERT_TRUE(ReadUserDword(kButtons, "key4", &value));
  EXPECT_EQ(value, 9u) << "Cancel stores nothing";
  EXPECT_FALSE(ReadUserDword(kButtons, "key3", &value));
  // The executor already performs the fifth button's default, "Zurück".
  InputObserver observer;
  ::SetForegroundWindow(screen.hwnd());
  Xdotool("mousemove 512 384 click 9");
  EXPECT_TRUE(PumpUntil([&] { return observer.InjectedText() == "xd1 xu1"; }));
  EXPECT_EQ(observer.InjectedText(), "xd1 xu1");
}

TEST_F(Sheet, TheDoubleClickTimeIsWrittenOnlyWhenTheSliderWasMoved) {
  // Longer than the slider can show, as accessibility settings often are.
  ::SystemParametersInfoA(SPI_SETDOUBLECLICKTIME, 1000, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
  ASSERT_EQ(StoredDoubleClickTime(), 1000);
  StartAndOpen();
  EXPECT_EQ(::SendMessageA(Item(IDC_DBLCLK_SLIDER), TBM_GETPOS, 0, 0), 90);
  Choose(IDC_FUNC_FIFTH, 9);  // a change elsewhere on the page
  Click(::GetDlgItem(sheet, kOkButton));
  ASSERT_TRUE(SheetClosed());
  EXPECT_EQ(StoredDoubleClickTime(), 1000);

  ASSERT_TRUE(driver.Open());
  sheet = driver.Sheet();
  ::SendMessageA(Item(IDC_DBLCLK_SLIDER), TBM_SETPOS, TRUE, 50);
  Click(::GetDlgItem(sheet, kOkButton));
  ASSERT_TRUE(SheetClosed());
  EXPECT_EQ(StoredDoubleClickTime(), 500);
}

TEST_F(Sheet, KeysOnAClosedListOnlySelectAndCtrlTabSwitchesTabs) {
  StartAndOpen();
  // A real click on an empty spot of the page gives the sheet the keyboard.
  RECT page{};
  ::GetWindowRect(CurrentPage(), &page);
  Xdotool("mousemove " + std::to_string(page.left + 4) + " " + std::to_string(page.bottom - 4) + " click 1");
  PumpFor(200);
  HWND fifth = Item(IDC_FUNC_FIFTH);
  ::SendMessageA(CurrentPage(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(fifth), TRUE);
  PumpFor(200);
  const auto selection = [&] { return ::SendMessageA(fifth, CB_GETCURSEL, 0, 0); };
  // A letter no entry starts with changes nothing (an editable list lost its selection here).
  Xdotool("key q");
  PumpFor(300);
  EXPECT_EQ(selection(), 4);
  // Positive control: the keys do arrive, and select as in any list.
  Xdotool("key z");
  EXPECT_TRUE(PumpUntil([&] { return selection() == 3; }, 2000)) << "\"Zur\xfc" "ck\" by its first letter";
  Xdotool("key w");
  EXPECT_TRUE(PumpUntil([&] { return selection() == 4; }, 2000)) << "back to \"Weiter\"";

  // The sheet sees Ctrl+Tab first, even with the focus on a control of a page.
  HWND tabs = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  ASSERT_EQ(::SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
  Xdotool("key ctrl+Tab");
  EXPECT_TRUE(PumpUntil([&] { return ::SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == 1; }, 2000));
  Xdotool("key ctrl+shift+Tab");
  EXPECT_TRUE(PumpUntil([&] { return ::SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == 0; }, 2000));

  Click(::GetDlgItem(sheet, kOkButton));
  ASSERT_TRUE(SheetClosed());
  DWORD value = 0;
  ASSERT_TRUE(ReadUserDword(kButtons, "key4", &value));
  EXPECT_EQ(value, 4u);
  ScreenWindow screen;
  InputObserver observer;
  Xdotool("mousemove 512 384 click 9");
  EXPECT_TRUE(PumpUntil([&] { return observer.InjectedText() == "xd2 xu2"; })) << "the 5th button still works";
}

TEST_F(Sheet, WithoutTheShortcutKeyApplyStoresNoShortcut) {
  StartAndOpen();
  Click(::GetDlgItem(sheet, kOkButton));
  ASSERT_TRUE(SheetClosed());
  EXPECT_FALSE(UserKeyExists(kRoot + "\\Setting For ShortcutKey"));
}

// Two grabs of the clip a quarter second apart: equal when it stands still.
bool ClipMoves(HWND clip) {
  RECT rect{};
  ::GetWindowRect(clip, &rect);
  const std::string geometry = std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top) +
                               "+" + std::to_string(rect.left) + "+" + std::to_string(rect.top);
  const std::string first = UnixPath(OutputFolder()) + "/clip-a.png";
  const std::string second = UnixPath(OutputFolder()) + "/clip-b.png";
  RunUnix("/usr/bin/import -window root -crop " + geometry + " " + first);
  PumpFor(250);
  RunUnix("/usr/bin/import -window root -crop " + geometry + " " + second);
  return !RunUnix("cmp -s " + first + " " + second);
}

TEST_F(Sheet, DoubleClickOnTheClipStartsAndStopsTheAnimation) {
  StartAndOpen();
  HWND clip = Item(IDC_DBLCLK_CLIP);
  RECT rect{};
  ::GetWindowRect(clip, &rect);
  const std::string doubleClick = "mousemove " + std::to_string((rect.left + rect.right) / 2) + " " +
                                  std::to_string((rect.top + rect.bottom) / 2) + " click --repeat 2 --delay 60 1";
  // A click on an empty spot of the page first, so that the sheet is active:
  // the first click on an inactive window only activates it.
  RECT page{};
  ::GetWindowRect(CurrentPage(), &page);
  Xdotool("mousemove " + std::to_string(page.left + 4) + " " + std::to_string(page.bottom - 4) + " click 1");
  PumpFor(600);
  EXPECT_FALSE(ClipMoves(clip));
  Xdotool(doubleClick);
  PumpFor(500);
  Screenshot("sheet-clip-playing");
  EXPECT_TRUE(ClipMoves(clip));
  Xdotool(doubleClick);
  PumpFor(300);
  EXPECT_FALSE(ClipMoves(clip));
}

}  // namespace
