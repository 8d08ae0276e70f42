// The macro page in a sheet in this process, with the keyboard hook replaced by
// a recorder of the target it is given and key reports posted by hand.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <vector>

#include "makerlibs/include/maker_contract.h"
#include "res/resource.h"
#include "settings/registry_store_win.h"
#include "settings/settings_model.h"
#include "sheet/Kestrin_Macro.h"
#include "framework/wnd_win.h"
#include "settings/schema.h"
#include "tests/support/counting_hook.h"
#include "tests/support/sheet_runner.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

// Pumps like the sheet's loop does: queued messages see the windows'
// pre-translation first (the page takes the hook's reports there).
void PumpLikeTheSheet(DWORD ms) {
  const DWORD start = ::GetTickCount();
  MSG msg;
  while (::GetTickCount() - start < ms) {
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (fw::PreTranslateThroughTree(&msg)) continue;
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    ::Sleep(5);
  }
}

class MacroPageInProcess : public testing::Test {
 protected:
  void SetUp() override { DeleteProgramSettings(); }
  void TearDown() override { DeleteProgramSettings(); }

  void Run(std::function<void(HWND sheet, HWND page)> script) {
    RunSheet(model, {&page}, [script](HWND sheet) { script(sheet, CurrentPageOf(sheet)); });
  }

  settings::RegistryStore store;
  CountingHook hook;
  settings::SettingsModel model{store, hook};
  std::vector<HWND> targets;
  sheet::Kestrin_Macro page{model, [this](HWND target) { targets.push_back(target); }};
};

TEST_F(MacroPageInProcess, TheHookReportsToThePageWhileItExistsAndToNothingAfterwards) {
  model.SetMacro(1, {17, 999, 65, 0, 0, 17, 999, 65, 0, 0});
  HWND pageWindow = nullptr;
  Run([&](HWND sheet, HWND pageHwnd) {
    pageWindow = pageHwnd;
    EXPECT_EQ(ItemText(pageHwnd, IDC_MACRO2_TEXT), " Ctrl  A ") << "a code without a name is not shown";
    // APP before any choice stores nothing: its button is disabled, and a click
    // that comes anyway (a message from another program) is ignored.
    ::SendMessageA(pageHwnd, WM_COMMAND, MAKEWPARAM(IDC_MACRO1_STORE, BN_CLICKED), 0);
    EXPECT_EQ(model.Macro(0), settings::KeyMacro{});
    ::SendMessageA(pageHwnd, WM_COMMAND, MAKEWPARAM(IDC_MACRO1, BN_CLICKED), 0);
    for (WPARAM vk : {16u, 16u, 88u}) ::PostMessageA(pageHwnd, makerlibs::WM_HOOK_KEY, vk, 0);
    PumpLikeTheSheet(100);
    EXPECT_EQ(ItemText(pageHwnd, IDC_MACRO1_TEXT), " Shift  Shift  X ");
    // Storing macro 3 while macro 1 is being recorded does nothing.
    ::SendMessageA(pageHwnd, WM_COMMAND, MAKEWPARAM(IDC_MACRO3_STORE, BN_CLICKED), 0);
    EXPECT_EQ(model.Macro(2), settings::KeyMacro{});
    ::SendMessageA(pageHwnd, WM_COMMAND, MAKEWPARAM(IDC_MACRO1_STORE, BN_CLICKED), 0);
    EXPECT_EQ(model.Macro(0), (settings::KeyMacro{16, 16, 88, 0, 0, 16, 16, 88, 0, 0}));
    ::SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  });
  EXPECT_EQ(targets, (std::vector<HWND>{pageWindow, nullptr}));
  DWORD value = 0;
  EXPECT_TRUE(ReadUserDword(std::string(settings::kProfileRoot) + "\\Setting For KeyCombination", "keyCombination1", &value));
  EXPECT_EQ(value, 16u) << "stored at once, Cancel or not";
}

}  // namespace
