// The Buttons, Hot Button, wheel and pointer pages in one sheet in this process, with
// system parameters and registry writes recorded (Wine hides a value rewritten as it was).
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "launcher/Kestrin_ScrMenuSetting.h"
#include "res/resource.h"
#include "settings/registry_store_win.h"
#include "sheet/Kestrin_ButtonSetting.h"
#include "sheet/Kestrin_Movesetting.h"
#include "sheet/Kestrin_WheelSetting.h"
#include "tests/support/counting_hook.h"
#include "tests/support/sheet_runner.h"
#include "settings/schema.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

// Answers with its current values and notes every write.
struct RecordingParameters : sheet::SystemParameters {
  std::uint32_t lines = 5;
  std::string writes;
  std::uint32_t WheelScrollLines() override { return lines; }
  void SetWheelScrollLines(std::uint32_t v) override { writes += "lines " + std::to_string(lines = v) + "; "; }
  bool MouseAcceleration(sheet::AccelerationTriple* out) override { return *out = {6, 10, 1}, true; }
  void SetMouseAcceleration(const sheet::AccelerationTriple& v) override {
    writes += "triple " + std::to_string(v[0]) + std::to_string(v[1]) + std::to_string(v[2]) + "; ";
  }
  int MouseSpeed() override { return 10; }
  void SetMouseSpeed(int v) override { writes += "speed " + std::to_string(v) + "; "; }
  bool SnapToDefaultButton() override { return false; }
  void SetSnapToDefaultButton(bool v) override { writes += "snap " + std::to_string(v) + "; "; }
};

// The registry, with a note of the section ("Setting For ...") of every write.
struct RecordingStore : settings::RegistryStore {
  using Base = settings::RegistryStore;
  using S = const std::string&;
  std::string writes;
  bool Note(S section) { return writes += section.substr(12) + " ", true; }
  bool WriteProfileInt(S s, S n, std::int32_t v) override { return Note(s) && Base::WriteProfileInt(s, n, v); }
  bool WriteRegDword(S s, S n, std::int32_t v) override { return Note(s) && Base::WriteRegDword(s, n, v); }
  bool WriteRegString(S s, S n, S text) override { return Note(s) && Base::WriteRegString(s, n, text); }
};

// A key as the focused control gets it: a trackbar moves and tells the page by WM_HSCROLL.
void Key(HWND page, int control, WPARAM vk) { ::SendDlgItemMessageA(page, control, WM_KEYDOWN, vk, 1); }
void Choose(HWND page, int list, int index) {
  ::SendDlgItemMessageA(page, list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE), 0);
}

TEST(SystemPages, OpeningEveryTabAndOkWriteNothingAChangeWritesOnlyItself) {
  DeleteProgramSettings();
  ASSERT_TRUE(WriteUserString(Section(settings::kSectionShortcut), "ShortcutKey #1", "calc"));
  RecordingParameters system;
  RecordingStore store;
  CountingHook hook;
  settings::SettingsModel model{store, hook};
  sheet::Kestrin_ButtonSetting buttons(model);
  launcher::Kestrin_ScrMenuSetting launcher(model);
  sheet::Kestrin_WheelSetting wheel(system);
  sheet::Kestrin_Movesetting pointer(system);
  RunSheet(model, {&buttons, &launcher, &wheel, &pointer}, [&](HWND sheet) {
    for (int tab = 3; tab >= 0; --tab) ::SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    ::SendMessageA(sheet, PSM_SETCURSEL, 2, 0);
    EXPECT_EQ(ItemText(CurrentPageOf(sheet), IDC_WHEEL_LINES), "5") << "a count the list lacks, as it is";
    PressSheetButton(sheet, PSBTN_OK);
  });
  EXPECT_EQ(system.writes, "");
  EXPECT_EQ(store.writes, "");
  EXPECT_EQ(hook.tables, 0);

  RunSheet(model, {&buttons, &launcher, &wheel, &pointer}, [&](HWND sheet) {
    Choose(CurrentPageOf(sheet), IDC_FUNC_FIFTH, 9);
    ::SendMessageA(sheet, PSM_SETCURSEL, 2, 0);
    Choose(CurrentPageOf(sheet), IDC_WHEEL_LINES, 2);
    EXPECT_EQ(system.writes, "lines 6; ") << "a list choice is in force at once";
    ::SendMessageA(sheet, PSM_SETCURSEL, 3, 0);
    // The level chosen first survives a later change of the speed.
    ::SendDlgItemMessageA(CurrentPageOf(sheet), IDC_ACCEL_MEDIUM, BM_CLICK, 0, 0);
    Key(CurrentPageOf(sheet), IDC_POINTER_SPEED, VK_RIGHT);
    ::SendDlgItemMessageA(CurrentPageOf(sheet), IDC_SNAP_DEFAULT, BM_CLICK, 0, 0);
    PressSheetButton(sheet, PSBTN_OK);
  });
  EXPECT_EQ(system.writes, "lines 6; speed 11; triple 4122; snap 1; ");
  EXPECT_EQ(store.writes, "Key Key Key Key Key Key ");
  EXPECT_EQ(hook.tables, 1);
  DeleteProgramSettings();
}

}  // namespace
