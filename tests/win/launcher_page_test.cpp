// The Hot Button page in a sheet in this process: the preview follows the
// selected row, and icons taken from files do not pile up.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "launcher/Kestrin_ScrMenuSetting.h"
#include "res/resource.h"
#include "settings/registry_store_win.h"
#include "tests/support/handle_probe.h"
#include "tests/support/screen_pixels.h"
#include "tests/support/sheet_runner.h"
#include "tests/support/counting_hook.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kShortcuts = "Software\\Trovane Mouse\\Pelrand\\Setting For ShortcutKey";

void Select(HWND list, int row) {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = 0;
  ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

HICON Preview(HWND page) {
  return reinterpret_cast<HICON>(::SendDlgItemMessageA(page, IDC_SHORTCUT_PREVIEW, STM_GETICON, 0, 0));
}

TEST(LauncherPageInProcess, ThePreviewFollowsTheSelectionAndFileIconsDoNotPileUp) {
  DeleteProgramSettings();
  ASSERT_TRUE(CreateUserKey(kShortcuts));
  const std::string program = ProgramFolder() + "\\Pelrand.exe";
  ASSERT_TRUE(WriteUserString(kShortcuts, "ShortcutKey #3", "Notepad"));
  ASSERT_TRUE(WriteUserString(kShortcuts, "ShortcutKey #4", " "));
  ASSERT_TRUE(WriteUserString(kShortcuts, "ShortcutKey #10", program));
  settings::RegistryStore store;
  CountingHook hook;
  settings::SettingsModel model(store, hook);
  launcher::Kestrin_ScrMenuSetting page(model);
  RunSheet(model, {&page}, [&](HWND sheet) {
    HWND pageWindow = CurrentPageOf(sheet);
    HWND list = ::GetDlgItem(pageWindow, IDC_SHORTCUT_LIST);
    EXPECT_EQ(Preview(pageWindow), nullptr);
    Select(list, 2);
    EXPECT_EQ(Preview(pageWindow), ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_NOTEPAD)))
        << "a predefined name's icon, in whichever row";
    Select(list, 3);
    EXPECT_EQ(Preview(pageWindow), nullptr) << "a blank slot shows no icon";
    Select(list, 9);
    EXPECT_NE(Preview(pageWindow), nullptr) << "the program file's icon";

    const int userBefore = UserHandlesInUse(), gdiBefore = GdiObjectCount(::GetCurrentProcessId());
    for (int i = 0; i < 1000; ++i) Select(list, i % 2 ? 9 : 2);
    EXPECT_LT(UserHandlesInUse() - userBefore, 50);
    EXPECT_LT(GdiObjectCount(::GetCurrentProcessId()) - gdiBefore, 50);
    PressSheetButton(sheet, PSBTN_CANCEL);
  });
  DeleteProgramSettings();
}

}  // namespace
