// The Buttons, Hot Button, wheel, pointer and X/Y pages in one sheet in this
// process: looking at every tab and OK write nothing; a change on each page
// writes exactly that page's setting. The system parameters and the registry
// writes are recorded (a value written as it was is invisible in Wine's
// registry), the device file is the real one.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "launcher/Kestrin_ScrMenuSetting.h"
#include "res/resource.h"
#include "settings/registry_store_win.h"
#include "sheet/Kestrin_ButtonSetting.h"
#include "sheet/Kestrin_Movesetting.h"
#include "sheet/Kestrin_Setmousexy.h"
#include "sheet/Kestrin_WheelSetting.h"
#include "tests/support/counting_hook.h"
#include "tests/support/sheet_runner.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

// Answers with its current values and notes every write.
struct RecordingParameters : sheet::SystemParameters {
  std::uint32_t lines = 5;
  sheet::AccelerationTriple triple{6, 10, 1};
  int speed = 10;
  std::string writes;
  std::uint32_t WheelScrollLines() override { return lines; }
  void SetWheelScrollLines(std::uint32_t v) override { writes += "lines " + std::to_string(lines = v) + "; "; }
  bool MouseAcceleration(sheet::AccelerationTriple* out) override { return *out = triple, true; }
  void SetMouseAcceleration(const sheet::AccelerationTriple& v) override {
    writes += "triple " + std::to_string(v[0]) + std::to_string(v[1]) + std::to_string(v[2]) + "; ";
  }
  int MouseSpeed() override { return speed; }
  void SetMouseSpeed(int v) override { writes += "speed " + std::to_string(v) + "; "; }
  bool SnapToDefaultButton() override { return false; }
  void SetSnapToDefaultButton(bool v) override { writes += "snap " + std::to_string(v) + "; "; }
};

// The registry, with a note of the section of every write.
struct RecordingStore : settings::RegistryStore {
  std::string writes;
  bool WriteProfileInt(const std::string& s, const std::string& n, std::int32_t v) override {
    return writes += s.substr(12) + " ", settings::RegistryStore::WriteProfileInt(s, n, v);
  }
  bool WriteRegDword(const std::string& s, const std::string& n, std::int32_t v) override {
    return writes += s.substr(12) + " ", settings::RegistryStore::WriteRegDword(s, n, v);
  }
  bool WriteRegString(const std::string& s, const std::string& n, const std::string& t) override {
    return writes += s.substr(12) + " ", settings::RegistryStore::WriteRegString(s, n, t);
  }
};

std::vector<unsigned char> DeviceBytes() {
  std::ifstream in(UnixPath(DeviceFile()), std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}
// A key as the focused control gets it: a trackbar moves and tells the page by WM_HSCROLL.
void Key(HWND control, WPARAM vk) { ::SendMessageA(control, WM_KEYDOWN, vk, 1); }
void Choose(HWND page, int list, int index) {
  ::SendDlgItemMessageA(page, list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE), 0);
}

TEST(SystemPages, OpeningEveryTabAndOkWriteNothingAChangeWritesOnlyItself) {
  if (DeviceFile().empty()) GTEST_SKIP() << "run through scripts/test";
  DeleteProgramSettings();
  ASSERT_TRUE(WriteUserString("Software\\Trovane Mouse\\Pelrand\\Setting For ShortcutKey", "ShortcutKey #1", "calc"));
  std::ofstream(UnixPath(DeviceFile()), std::ios::binary | std::ios::trunc);
  RecordingParameters system;
  RecordingStore store;
  CountingHook hook;
  settings::SettingsModel model{store, hook};
  model.SetSpeed(0, 20);
  model.SetSpeed(1, 12);
  sheet::Kestrin_ButtonSetting buttons(model);
  launcher::Kestrin_ScrMenuSetting launcher(model);
  sheet::Kestrin_WheelSetting wheel(system);
  sheet::Kestrin_Movesetting pointer(system);
  sheet::Kestrin_Setmousexy xy(model);
  RunSheet(model, {&buttons, &launcher, &wheel, &pointer, &xy}, [&](HWND sheet) {
    for (int tab = 4; tab >= 0; --tab) ::SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    ::SendMessageA(sheet, PSM_SETCURSEL, 2, 0);
    HWND page = CurrentPageOf(sheet);
    EXPECT_EQ(ItemText(page, IDC_WHEEL_LINES), "5") << "a count the list lacks, as it is";
    EXPECT_EQ(::SendDlgItemMessageA(page, IDC_WHEEL_LINES, CB_GETCURSEL, 0, 0), CB_ERR);
    PressSheetButton(sheet, PSBTN_OK);
  });
  EXPECT_EQ(system.writes, "");
  EXPECT_EQ(store.writes, "");
  EXPECT_EQ(hook.tables, 0);
  EXPECT_TRUE(DeviceBytes().empty());

  RunSheet(model, {&buttons, &launcher, &wheel, &pointer, &xy}, [&](HWND sheet) {
    Choose(CurrentPageOf(sheet), IDC_FUNC_FIFTH, 9);
    ::SendMessageA(sheet, PSM_SETCURSEL, 2, 0);
    Choose(CurrentPageOf(sheet), IDC_WHEEL_LINES, 2);
    EXPECT_EQ(system.writes, "lines 6; ") << "a list choice is in force at once";
    ::SendMessageA(sheet, PSM_SETCURSEL, 3, 0);
    Key(::GetDlgItem(CurrentPageOf(sheet), IDC_POINTER_SPEED), VK_RIGHT);
    ::SendDlgItemMessageA(CurrentPageOf(sheet), IDC_ACCEL_MEDIUM, BM_CLICK, 0, 0);
    ::SendMessageA(sheet, PSM_SETCURSEL, 4, 0);
    Key(::GetDlgItem(CurrentPageOf(sheet), IDC_SPEED_X), VK_LEFT);
    PressSheetButton(sheet, PSBTN_OK);
  });
  EXPECT_EQ(system.writes, "lines 6; speed 11; triple 4122; ");
  EXPECT_EQ(store.writes, "Key Key Key Key Key Key MouseXY MouseXY ");
  EXPECT_EQ(model.ButtonFunc(4), 9);
  EXPECT_EQ(hook.tables, 1);
  EXPECT_EQ(DeviceBytes(), (std::vector<unsigned char>{19, 0, 0, 0, 12, 0, 0, 0}));
  DeleteProgramSettings();
}

}  // namespace
