// The macro page in a sheet in this process, with the keyboard hook replaced by
// a recorder of the target it is given and key reports posted by hand.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "framework/wnd_win.h"
#include "makerlibs/include/maker_contract.h"
#include "res/resource.h"
#include "settings/registry_store_win.h"
#include "sheet/Kestrin_About.h"
#include "sheet/Kestrin_Macro.h"
#include "tests/support/counting_hook.h"
#include "tests/support/sheet_runner.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

// Reports as the hook posts them, pumped as the sheet's loop does: the page
// takes them in its pre-translation.
void Report(HWND page, std::vector<WPARAM> keys, HWND foreground) {
  for (WPARAM vk : keys) ::PostMessageA(page, makerlibs::WM_HOOK_KEY, vk, reinterpret_cast<LPARAM>(foreground));
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
    if (!fw::PreTranslateThroughTree(&msg)) ::DispatchMessageA(&msg);
}
void Click(HWND page, int id) { ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

TEST(MacroPageInProcess, NamesByWinesLayoutTakesOnlyKeysForTheSheetAndStopsWhenLeft) {
  settings::RegistryStore store;
  CountingHook hook;
  settings::SettingsModel model{store, hook};
  std::vector<HWND> targets;
  sheet::Kestrin_Macro page{model, [&](HWND target) { targets.push_back(target); }};
  sheet::Kestrin_About about;
  HWND pageWindow = nullptr;
  RunSheet(model, {&page, &about}, [&](HWND sheet) {
    HWND p = pageWindow = CurrentPageOf(sheet);
    Click(p, IDC_MACRO2);
    Report(p, {VK_OEM_1, VK_OEM_7, 124}, sheet);
    Report(p, {'Y'}, ::GetDesktopWindow());  // typed into another window
    EXPECT_EQ(ItemText(p, IDC_MACRO2_TEXT), " ;  '  #124 ") << "Wine's layout here is the US one";
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(p, IDC_MACRO2_STORE)));
    ::SendMessageA(sheet, PSM_SETCURSEL, 1, 0);  // leaves the page: recording ends unstored
    Report(p, {'B'}, sheet);
    EXPECT_EQ(ItemText(p, IDC_MACRO2_TEXT), "");
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(p, IDC_MACRO2_STORE)));
    PressSheetButton(sheet, PSBTN_CANCEL);
  });
  EXPECT_EQ(targets, (std::vector<HWND>{pageWindow, nullptr}));
}

}  // namespace
