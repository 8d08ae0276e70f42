// The wheel, pointer and X/Y pages in a sheet in this process. The wheel and
// pointer pages get a recording stand-in for the system parameters: under
// Wine 8, SPI_SETMOUSESPEED stores its integer argument rather than the speed a
// correct program passes by pointer, so what the pointer page writes can only
// be seen here. The X/Y page writes the real registry and the device file.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "res/resource.h"
#include "settings/registry_store_win.h"
#include "settings/settings_model.h"
#include "sheet/Kestrin_Movesetting.h"
#include "sheet/Kestrin_Setmousexy.h"
#include "sheet/Kestrin_WheelSetting.h"
#include "tests/support/sheet_runner.h"
#include "tests/support/counting_hook.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kMouseXY = "Software\\Trovane Mouse\\Pelrand\\Setting For MouseXY";

// Answers with its current values and records every write, which also becomes
// the current value, as the platform would.
struct RecordingParameters : sheet::SystemParameters {
  std::uint32_t lines = 3;
  sheet::AccelerationTriple triple{6, 10, 1};
  int speed = 10;
  bool snap = false;
  std::vector<std::uint32_t> lineWrites;
  std::vector<sheet::AccelerationTriple> tripleWrites;
  std::vector<int> speedWrites;
  std::vector<bool> snapWrites;

  std::uint32_t WheelScrollLines() override { return lines; }
  void SetWheelScrollLines(std::uint32_t value) override { lineWrites.push_back(lines = value); }
  bool MouseAcceleration(sheet::AccelerationTriple* out) override {
    *out = triple;
    return true;
  }
  void SetMouseAcceleration(const sheet::AccelerationTriple& value) override { tripleWrites.push_back(triple = value); }
  int MouseSpeed() override { return speed; }
  void SetMouseSpeed(int value) override { speedWrites.push_back(speed = value); }
  bool SnapToDefaultButton() override { return snap; }
  void SetSnapToDefaultButton(bool value) override { snapWrites.push_back(snap = value); }
};

bool Checked(HWND page, int id) { return ::IsDlgButtonChecked(page, id) == BST_CHECKED; }
// A key as the focused control gets it: the trackbar moves and tells the page by WM_HSCROLL.
void Key(HWND control, WPARAM vk) {
  ::SendMessageA(control, WM_KEYDOWN, vk, 1);
  ::SendMessageA(control, WM_KEYUP, vk, 0xC0000001);
}
class SystemPages : public testing::Test {
 protected:
  void SetUp() override { DeleteProgramSettings(); }
  void TearDown() override { DeleteProgramSettings(); }

  RecordingParameters system;
  settings::RegistryStore store;
  CountingHook hook;
  settings::SettingsModel model{store, hook};
};

TEST_F(SystemPages, PointerApplyWritesSliderSpeedAndTheChosenLevelThatSurvivesLaterChanges) {
  sheet::Kestrin_Movesetting page(system);
  RunSheet(model, {&page}, [&](HWND sheet) {
    HWND p = CurrentPageOf(sheet);
    HWND slider = ::GetDlgItem(p, IDC_POINTER_SPEED);
    for (int id : {IDC_ACCEL_OFF, IDC_ACCEL_SLOW, IDC_ACCEL_MEDIUM, IDC_ACCEL_HIGH})
      EXPECT_FALSE(Checked(p, id)) << "6, 10, 1 is no level: " << id;
    EXPECT_EQ(::SendMessageA(slider, TBM_GETPOS, 0, 0), 10);
    EXPECT_EQ(::SendMessageA(slider, TBM_GETRANGEMIN, 0, 0), 1);
    EXPECT_EQ(::SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), 20);
    EXPECT_FALSE(Checked(p, IDC_SNAP_DEFAULT));
    EXPECT_FALSE(ApplyEnabled(sheet)) << "opening changes nothing";

    Key(slider, VK_RIGHT);
    EXPECT_EQ(::SendMessageA(slider, TBM_GETPOS, 0, 0), 11);
    EXPECT_TRUE(ApplyEnabled(sheet)) << "a keyboard move enables Apply";
    ::SendMessageA(::GetDlgItem(p, IDC_ACCEL_MEDIUM), BM_CLICK, 0, 0);
    // Later changes in the same opening keep the chosen level.
    ::SendMessageA(::GetDlgItem(p, IDC_SNAP_DEFAULT), BM_CLICK, 0, 0);
    Key(slider, VK_RIGHT);
    PressSheetButton(sheet, PSBTN_APPLYNOW);
    PressSheetButton(sheet, PSBTN_CANCEL);
  });
  EXPECT_EQ(system.speedWrites, std::vector<int>{12});
  ASSERT_EQ(system.tripleWrites.size(), 1u);
  EXPECT_EQ(system.tripleWrites[0], (sheet::AccelerationTriple{4, 12, 2}));
  EXPECT_EQ(system.snapWrites, std::vector<bool>{true});

  // The next opening shows the level and forgets the choice: OK writes the
  // speed and the flag again, the acceleration not.
  RunSheet(model, {&page}, [&](HWND sheet) {
    HWND p = CurrentPageOf(sheet);
    EXPECT_TRUE(Checked(p, IDC_ACCEL_MEDIUM));
    EXPECT_TRUE(Checked(p, IDC_SNAP_DEFAULT));
    PressSheetButton(sheet, PSBTN_OK);
  });
  EXPECT_EQ(system.speedWrites, (std::vector<int>{12, 12}));
  EXPECT_EQ(system.tripleWrites.size(), 1u);
  EXPECT_EQ(system.snapWrites, (std::vector<bool>{true, true}));
}

TEST_F(SystemPages, PointerCancelWritesNothing) {
  system.snap = true;
  sheet::Kestrin_Movesetting page(system);
  RunSheet(model, {&page}, [&](HWND sheet) {
    HWND p = CurrentPageOf(sheet);
    EXPECT_TRUE(Checked(p, IDC_SNAP_DEFAULT));
    ::SendMessageA(::GetDlgItem(p, IDC_SNAP_DEFAULT), BM_CLICK, 0, 0);
    ::SendMessageA(::GetDlgItem(p, IDC_ACCEL_HIGH), BM_CLICK, 0, 0);
    EXPECT_TRUE(ApplyEnabled(sheet));
    PressSheetButton(sheet, PSBTN_CANCEL);
  });
  EXPECT_TRUE(system.snapWrites.empty());
  EXPECT_TRUE(system.tripleWrites.empty());
  EXPECT_TRUE(system.speedWrites.empty());
}

TEST_F(SystemPages, WheelApplyWritesWhatThePageShowsNeverAnEarlierOpeningsChoice) {
  sheet::Kestrin_WheelSetting page(system);
  // Page scrolling chosen, then Cancel.
  RunSheet(model, {&page}, [&](HWND sheet) {
    HWND p = CurrentPageOf(sheet);
    EXPECT_TRUE(Checked(p, IDC_WHEEL_LINES_RADIO));
    EXPECT_EQ(::SendMessageA(::GetDlgItem(p, IDC_WHEEL_LINES), CB_GETCURSEL, 0, 0), 1);
    ::SendMessageA(::GetDlgItem(p, IDC_WHEEL_PAGE_RADIO), BM_CLICK, 0, 0);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(p, IDC_WHEEL_LINES)));
    PressSheetButton(sheet, PSBTN_CANCEL);
  });
  EXPECT_TRUE(system.lineWrites.empty());
  // A later OK after merely looking keeps the 3 lines shown.
  RunSheet(model, {&page}, [&](HWND sheet) { PressSheetButton(sheet, PSBTN_OK); });
  EXPECT_EQ(system.lineWrites, std::vector<std::uint32_t>{3});

  // From page scrolling back to lines: the list offers 3, and OK writes it.
  system.lines = sheet::kWheelPageScroll;
  system.lineWrites.clear();
  RunSheet(model, {&page}, [&](HWND sheet) {
    HWND p = CurrentPageOf(sheet);
    HWND list = ::GetDlgItem(p, IDC_WHEEL_LINES);
    EXPECT_TRUE(Checked(p, IDC_WHEEL_PAGE_RADIO));
    EXPECT_FALSE(::IsWindowEnabled(list));
    EXPECT_EQ(::SendMessageA(list, CB_GETCURSEL, 0, 0), CB_ERR);
    ::SendMessageA(::GetDlgItem(p, IDC_WHEEL_LINES_RADIO), BM_CLICK, 0, 0);
    EXPECT_TRUE(::IsWindowEnabled(list));
    EXPECT_EQ(::SendMessageA(list, CB_GETCURSEL, 0, 0), 1);
    PressSheetButton(sheet, PSBTN_OK);
  });
  EXPECT_EQ(system.lineWrites, std::vector<std::uint32_t>{3});
}

TEST_F(SystemPages, WheelTypedCountSelectsItsItemAndWaitsForApply) {
  sheet::Kestrin_WheelSetting page(system);
  RunSheet(model, {&page}, [&](HWND sheet) {
    HWND list = ::GetDlgItem(CurrentPageOf(sheet), IDC_WHEEL_LINES);
    char item[8] = {};
    ::SendMessageA(list, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, "6");
    // Typed into the list's edit field, as the keyboard would.
    HWND edit = ::GetWindow(list, GW_CHILD);
    ASSERT_NE(edit, nullptr);
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    ::SendMessageA(edit, WM_CHAR, '6', 1);
    EXPECT_EQ(::SendMessageA(list, CB_GETCURSEL, 0, 0), 2);
    EXPECT_TRUE(ApplyEnabled(sheet));
    EXPECT_TRUE(system.lineWrites.empty()) << "a typed count waits for Apply";
    PressSheetButton(sheet, PSBTN_APPLYNOW);
    EXPECT_EQ(system.lineWrites, std::vector<std::uint32_t>{6});
    PressSheetButton(sheet, PSBTN_CANCEL);
  });
}

std::vector<unsigned char> DeviceBytes() {
  std::ifstream in(UnixPath(DeviceFile()), std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

TEST_F(SystemPages, XYSlidersMovedByKeyboardAndMouseShowTheirValueAndApplyWritesThemPlusFive) {
  if (DeviceFile().empty()) GTEST_SKIP() << "run through scripts/test";
  std::ofstream(UnixPath(DeviceFile()), std::ios::binary | std::ios::trunc);
  model.SetSpeed(0, 20);
  model.SetSpeed(1, 12);
  sheet::Kestrin_Setmousexy page(model);
  RunSheet(model, {&page}, [&](HWND sheet) {
    HWND p = CurrentPageOf(sheet);
    HWND x = ::GetDlgItem(p, IDC_SPEED_X);
    HWND y = ::GetDlgItem(p, IDC_SPEED_Y);
    EXPECT_EQ(ItemText(p, IDC_SPEED_X_VALUE), "15");
    EXPECT_EQ(ItemText(p, IDC_SPEED_Y_VALUE), "7");
    EXPECT_FALSE(ApplyEnabled(sheet));
    Key(x, VK_LEFT);
    EXPECT_EQ(::SendMessageA(x, TBM_GETPOS, 0, 0), 14);
    EXPECT_EQ(ItemText(p, IDC_SPEED_X_VALUE), "14");
    EXPECT_TRUE(ApplyEnabled(sheet));
    // A real drag of the Y thumb to the left end.
    RECT thumb{}, channel{};
    ::SendMessageA(y, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    ::SendMessageA(y, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    POINT from{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    POINT to{channel.left - 20, from.y};
    ::ClientToScreen(y, &from);
    ::ClientToScreen(y, &to);
    Xdotool("mousemove " + std::to_string(from.x) + " " + std::to_string(from.y) + " mousedown 1 mousemove " +
            std::to_string(to.x) + " " + std::to_string(to.y) + " mouseup 1");
    PumpUntil([&] { return ItemText(p, IDC_SPEED_Y_VALUE) == "0"; }, 2000);
    EXPECT_EQ(::SendMessageA(y, TBM_GETPOS, 0, 0), 0);
    EXPECT_EQ(ItemText(p, IDC_SPEED_Y_VALUE), "0");
    PressSheetButton(sheet, PSBTN_OK);
  });
  EXPECT_EQ(model.Speed(0), 19);
  EXPECT_EQ(model.Speed(1), 5);
  EXPECT_EQ(DeviceBytes(), (std::vector<unsigned char>{19, 0, 0, 0, 5, 0, 0, 0}));
  DWORD value = 0;
  ASSERT_TRUE(ReadUserDword(kMouseXY, "key0", &value));
  EXPECT_EQ(value, 19u);
  ASSERT_TRUE(ReadUserDword(kMouseXY, "key1", &value));
  EXPECT_EQ(value, 5u);
}

}  // namespace
