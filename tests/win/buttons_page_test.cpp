// The Buttons page in a sheet in this process: apply order, shortcut storing,
// the test animation.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <functional>

#include "app/CDriverApp.h"
#include "app/settings_schema.h"
#include "res/resource.h"
#include "sheet/Kestrin_About.h"
#include "sheet/Kestrin_ButtonSetting.h"
#include "sheet/MyPropertySheet.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kRoot = "Software\\Trovane Mouse\\Pelrand";
const std::string kShortcutKey = kRoot + "\\Setting For ShortcutKey";

// Runs a sheet with the given pages; `script` runs inside its modal loop once
// the sheet is up, and must end it (OK or Cancel).
std::function<void(HWND)> g_script;

void CALLBACK RunScript(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  HWND sheet = ::FindWindowA(nullptr, "Quorra Kestrin Software");
  if (g_script && sheet) g_script(sheet);
}

void RunSheet(std::initializer_list<fw::PropertyPage*> pages, std::function<void(HWND)> script) {
  g_script = std::move(script);
  MyPropertySheet sheet("Quorra Kestrin Software", nullptr, 0);
  for (fw::PropertyPage* page : pages) sheet.AddPage(page);
  ::SetTimer(nullptr, 0, 200, RunScript);
  sheet.DoModal();
  g_script = nullptr;
}

void Press(HWND sheet, int button) { ::SendMessageA(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0); }

class ButtonsPage : public testing::Test {
 protected:
  void SetUp() override {
    DeleteProgramSettings();
    app.SetRegistryKey(settings::kRegistryKey);
    app.LoadAppTitle();
    ASSERT_TRUE(CreateUserKey(kRoot + "\\Setting For Key"));
    for (int i = 0; i < 6; ++i) app.m_nButtonFunc[i] = i;
  }
  void TearDown() override { DeleteProgramSettings(); }

  CDriverApp app;
  Kestrin_ButtonSetting page;
};

TEST_F(ButtonsPage, OkStoresAllNonEmptyShortcutsWhenTheKeyExists) {
  ASSERT_TRUE(CreateUserKey(kShortcutKey));
  app.m_strShortcut[0] = "Volume Control";
  app.m_strShortcut[9] = " ";
  app.m_strShortcut[17] = "C:\\Program Files\\Tool\\tool.exe";
  ASSERT_TRUE(WriteUserString(kShortcutKey, "ShortcutKey #2", "kept"));
  RunSheet({&page}, [](HWND sheet) { Press(sheet, PSBTN_OK); });

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

TEST_F(ButtonsPage, ApplyTakesEachListsSelectionIntoTheTable) {
  RunSheet({&page}, [](HWND sheet) {
    HWND pageWindow = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    ::SendMessageA(::GetDlgItem(pageWindow, IDC_FUNC_RIGHT), CB_SETCURSEL, 13, 0);
    ::SendMessageA(::GetDlgItem(pageWindow, IDC_FUNC_SIXTH), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Press(sheet, PSBTN_OK);
  });
  EXPECT_EQ(app.m_nButtonFunc[2].load(), 13);
  EXPECT_EQ(app.m_nButtonFunc[5].load(), -1);
  DWORD value = 0;
  ASSERT_TRUE(ReadUserDword(kRoot + "\\Setting For Key", "key5", &value));
  EXPECT_EQ(static_cast<int>(value), -1);
}

TEST_F(ButtonsPage, SixthListNamesTheLauncherWithoutUmlautOrBlank) {
  RunSheet({&page}, [](HWND sheet) {
    HWND pageWindow = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    char text[64] = {};
    ::SendMessageA(::GetDlgItem(pageWindow, IDC_FUNC_SIXTH), CB_GETLBTEXT, 47, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Hot-Button-Menu");
    ::SendMessageA(::GetDlgItem(pageWindow, IDC_FUNC_FIFTH), CB_GETLBTEXT, 47, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Hot-Button-Men\xfc ");
    Press(sheet, PSBTN_CANCEL);
  });
}

TEST_F(ButtonsPage, CancelCallsNoApplyAndAPageNeverShownIsNotAsked) {
  Kestrin_About about;
  app.m_nButtonFunc[4] = 9;
  RunSheet({&about, &page}, [](HWND sheet) { Press(sheet, PSBTN_OK); });
  DWORD value = 0;
  EXPECT_FALSE(ReadUserDword(kRoot + "\\Setting For Key", "key4", &value)) << "the Buttons page was never shown";
  RunSheet({&page}, [](HWND sheet) { Press(sheet, PSBTN_CANCEL); });
  EXPECT_FALSE(ReadUserDword(kRoot + "\\Setting For Key", "key4", &value));
}

TEST_F(ButtonsPage, ClipOpensPlaysItsReactionFramesAndLetsClicksThroughToThePage) {
  RunSheet({&page}, [](HWND sheet) {
    HWND pageWindow = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    HWND clip = ::GetDlgItem(pageWindow, IDC_DBLCLK_CLIP);
    EXPECT_TRUE(::SendMessageA(clip, ACM_OPENA, reinterpret_cast<WPARAM>(::GetModuleHandleA(nullptr)),
                               reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(IDR_DOUBLECLICK_CLIP))));
    EXPECT_TRUE(::SendMessageA(clip, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(15, 20)));
    EXPECT_EQ(::SendMessageA(clip, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
    Press(sheet, PSBTN_CANCEL);
  });
}

}  // namespace
