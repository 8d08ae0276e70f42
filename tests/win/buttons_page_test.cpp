// The Buttons page in a sheet in this process: what apply writes, the sheet's
// commit step, the lists, the test animation.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <functional>

#include "res/resource.h"
#include "settings/registry_store_win.h"
#include "settings/settings_model.h"
#include "sheet/Kestrin_About.h"
#include "sheet/Kestrin_ButtonSetting.h"
#include "tests/support/sheet_runner.h"
#include "tests/support/counting_hook.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kRoot = "Software\\Trovane Mouse\\Pelrand";
const std::string kShortcutKey = kRoot + "\\Setting For ShortcutKey";

class ButtonsPage : public testing::Test {
 protected:
  void SetUp() override {
    DeleteProgramSettings();
    ASSERT_TRUE(CreateUserKey(kRoot + "\\Setting For Key"));
    for (int i = 0; i < 6; ++i) model.SetButtonFunc(i, i);
  }
  void TearDown() override { DeleteProgramSettings(); }

  void RunSheet(std::initializer_list<fw::PropertyPage*> pages, std::function<void(HWND)> script) {
    testsupport::RunSheet(model, pages, std::move(script));
  }

  settings::RegistryStore store;
  CountingHook hook;
  settings::SettingsModel model{store, hook};
  sheet::Kestrin_ButtonSetting page{model};
};

TEST_F(ButtonsPage, ApplyTakesTheListsIntoTheTableHandsItToTheHookOnceAndStoresIt) {
  RunSheet({&page}, [](HWND sheet) {
    HWND pageWindow = CurrentPageOf(sheet);
    ::SendMessageA(::GetDlgItem(pageWindow, IDC_FUNC_RIGHT), CB_SETCURSEL, 13, 0);
    ::SendMessageA(::GetDlgItem(pageWindow, IDC_FUNC_SIXTH), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    PressSheetButton(sheet, PSBTN_OK);
  });
  EXPECT_EQ(model.Buttons(), (settings::ButtonTable{0, 1, 13, 3, 4, -1}));
  EXPECT_EQ(hook.tables, 1);
  DWORD value = 0;
  ASSERT_TRUE(ReadUserDword(kRoot + "\\Setting For Key", "key2", &value));
  EXPECT_EQ(value, 13u);
  ASSERT_TRUE(ReadUserDword(kRoot + "\\Setting For Key", "key5", &value));
  EXPECT_EQ(static_cast<int>(value), -1);
}

TEST_F(ButtonsPage, TheSheetsCommitStoresAllNonEmptyShortcutsWhenTheKeyExists) {
  ASSERT_TRUE(CreateUserKey(kShortcutKey));
  settings::ShortcutTable table;
  table[0] = "Volume Control";
  table[9] = " ";
  table[17] = "C:\\Program Files\\Tool\\tool.exe";
  model.SetShortcuts(table);
  ASSERT_TRUE(WriteUserString(kShortcutKey, "ShortcutKey #2", "kept"));
  RunSheet({&page}, [](HWND sheet) { PressSheetButton(sheet, PSBTN_OK); });

  std::string text;
  ASSERT_TRUE(ReadUserString(kShortcutKey, "ShortcutKey #1", &text));
  EXPECT_EQ(text, "Volume Control");
  ASSERT_TRUE(ReadUserString(kShortcutKey, "ShortcutKey #10", &text));
  EXPECT_EQ(text, " ") << "the blank marker is not empty and is written";
  ASSERT_TRUE(ReadUserString(kShortcutKey, "ShortcutKey #18", &text));
  EXPECT_EQ(text, "C:\\Program Files\\Tool\\tool.exe");
  ASSERT_TRUE(ReadUserString(kShortcutKey, "ShortcutKey #2", &text));
  EXPECT_EQ(text, "kept") << "an empty slot leaves the stored value alone";
  EXPECT_FALSE(ReadUserString(kShortcutKey, "ShortcutKey #3", &text));
}

TEST_F(ButtonsPage, ListsArePureSelectionListsAndTheSixthNamesTheLauncherWithoutUmlaut) {
  RunSheet({&page}, [](HWND sheet) {
    HWND pageWindow = CurrentPageOf(sheet);
    for (int id : {IDC_FUNC_LEFT, IDC_FUNC_WHEEL, IDC_FUNC_RIGHT, IDC_FUNC_FOURTH, IDC_FUNC_FIFTH, IDC_FUNC_SIXTH}) {
      HWND list = ::GetDlgItem(pageWindow, id);
      EXPECT_EQ(::GetWindowLongA(list, GWL_STYLE) & 3, CBS_DROPDOWNLIST) << id;
      EXPECT_EQ(::SendMessageA(list, CB_GETCOUNT, 0, 0), 51) << id;
    }
    char text[64] = {};
    ::SendMessageA(::GetDlgItem(pageWindow, IDC_FUNC_SIXTH), CB_GETLBTEXT, 47, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Hot-Button-Menu");
    ::SendMessageA(::GetDlgItem(pageWindow, IDC_FUNC_FIFTH), CB_GETLBTEXT, 47, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Hot-Button-Men\xfc ");
    PressSheetButton(sheet, PSBTN_CANCEL);
  });
}

TEST_F(ButtonsPage, CancelCallsNoApplyAndAPageNeverShownIsNotAsked) {
  sheet::Kestrin_About about;
  model.SetButtonFunc(4, 9);
  RunSheet({&about, &page}, [](HWND sheet) { PressSheetButton(sheet, PSBTN_OK); });
  DWORD value = 0;
  EXPECT_FALSE(ReadUserDword(kRoot + "\\Setting For Key", "key4", &value)) << "the Buttons page was never shown";
  RunSheet({&page}, [](HWND sheet) { PressSheetButton(sheet, PSBTN_CANCEL); });
  EXPECT_FALSE(ReadUserDword(kRoot + "\\Setting For Key", "key4", &value));
  EXPECT_EQ(hook.tables, 0);
}

TEST_F(ButtonsPage, ClipOpensPlaysItsReactionFramesAndLetsClicksThroughToThePage) {
  RunSheet({&page}, [](HWND sheet) {
    HWND clip = ::GetDlgItem(CurrentPageOf(sheet), IDC_DBLCLK_CLIP);
    EXPECT_TRUE(::SendMessageA(clip, ACM_OPENA, reinterpret_cast<WPARAM>(::GetModuleHandleA(nullptr)),
                               reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(IDR_DOUBLECLICK_CLIP))));
    EXPECT_TRUE(::SendMessageA(clip, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(15, 20)));
    EXPECT_EQ(::SendMessageA(clip, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
    PressSheetButton(sheet, PSBTN_CANCEL);
  });
}

}  // namespace
