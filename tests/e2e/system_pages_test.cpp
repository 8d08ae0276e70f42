// The "Rad", "Bewegen" and "X/Y-Achse" tabs of the real program, driven with
// real clicks and keys. What the program sets for the whole system is read
// where the platform stores it (the registry), since this process keeps the
// values it has read once; the exact pointer speed a page passes is checked in
// the in-process tests, because Wine 8 stores another argument of that call.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "res/identity.h"
#include "res/resource.h"
#include "tests/support/program.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kMouseXY = "Software\\Trovane Mouse\\Pelrand\\Setting For MouseXY";
constexpr int kApplyButton = 0x3021;
constexpr int kWheelTab = 2;
constexpr int kPointerTab = 3;
constexpr int kXYTab = 5;
constexpr UINT kWrite = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;

UINT WheelLines() { return static_cast<UINT>(StoredSystemValue("Desktop", "WheelScrollLines")); }
std::vector<int> Acceleration() {
  return {StoredSystemValue("Mouse", "MouseThreshold1"), StoredSystemValue("Mouse", "MouseThreshold2"),
          StoredSystemValue("Mouse", "MouseSpeed")};
}
void SetAcceleration(int a, int b, int c) {
  int triple[3] = {a, b, c};
  ::SystemParametersInfoA(SPI_SETMOUSE, 0, triple, kWrite);
}

std::vector<unsigned char> DeviceBytes() {
  std::ifstream in(DeviceFile(), std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}
void ClearDevice() { std::ofstream(DeviceFile(), std::ios::binary | std::ios::trunc); }

std::string TextOf(HWND control) {
  char text[32] = {};
  ::GetWindowTextA(control, text, sizeof text);
  return text;
}

class SystemPages : public testing::Test {
 protected:
  void SetUp() override {
    e2e::EndAllInstances();
    DeleteProgramSettings();
    if (!DeviceFile().empty()) ClearDevice();
    Xdotool("mousemove 1000 700");
  }
  void TearDown() override { ScreenshotOnFailure("system-pages"); }

  // Opens the sheet on one tab.
  void Open(int tab) {
    ::PostMessageA(program.Frame(), WM_COMMAND, ID_CONFIGURATION, 0);
    ASSERT_TRUE(PumpUntil([&] { return (sheet = ::FindWindowA(nullptr, res::kSheetCaption)) != nullptr; }));
    ASSERT_TRUE(PumpUntil([&] { return CurrentPage() != nullptr; }));
    ::SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    PumpFor(400);
  }
  HWND CurrentPage() const { return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }
  HWND Item(int id) const { return ::GetDlgItem(CurrentPage(), id); }
  bool Checked(int id) const { return ::SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool ApplyEnabled() const { return ::IsWindowEnabled(::GetDlgItem(sheet, kApplyButton)) != FALSE; }
  LRESULT Position(int sliderId) const { return ::SendMessageA(Item(sliderId), TBM_GETPOS, 0, 0); }

  void ClickAt(int x, int y) {
    Xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1");
    PumpFor(300);
  }
  void Click(HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ClickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  }
  // Drops the list down with its button and clicks the item.
  void ChooseFromList(HWND combo, int index) {
    RECT rect{};
    ::GetWindowRect(combo, &rect);
    ClickAt(rect.right - 6, (rect.top + rect.bottom) / 2);
    HWND list = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
      list = ::FindWindowA("ComboLBox", nullptr);
      return list && ::IsWindowVisible(list);
    }, 2000));
    RECT listRect{};
    ::GetWindowRect(list, &listRect);
    const int itemHeight = static_cast<int>(::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    ClickAt((listRect.left + listRect.right) / 2, listRect.top + 1 + itemHeight * index + itemHeight / 2);
  }
  bool CloseWith(int button) {
    Click(::GetDlgItem(sheet, button));
    return PumpUntil([] { return ::FindWindowA(nullptr, res::kSheetCaption) == nullptr; });
  }

  e2e::Program program;
  HWND sheet = nullptr;
};

TEST_F(SystemPages, WheelListChoiceActsAtOncePageScrollingOnlyOnApply) {
  ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 5, nullptr, kWrite);
  ASSERT_EQ(WheelLines(), 5u);
  ASSERT_TRUE(program.StartAndWait());
  Open(kWheelTab);
  EXPECT_TRUE(PumpUntil([] { return WheelLines() == 3; }, 2000)) << "5 is no list item: 3 as the page opens";
  EXPECT_EQ(::SendMessageA(Item(IDC_WHEEL_LINES), CB_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(Checked(IDC_WHEEL_LINES_RADIO));
  Screenshot("page-wheel");

  ChooseFromList(Item(IDC_WHEEL_LINES), 2);
  EXPECT_TRUE(PumpUntil([] { return WheelLines() == 6; }, 2000)) << "a list choice is in force at once";
  ASSERT_TRUE(CloseWith(IDCANCEL));
  EXPECT_EQ(WheelLines(), 6u) << "Cancel undoes nothing";

  Open(kWheelTab);
  EXPECT_EQ(::SendMessageA(Item(IDC_WHEEL_LINES), CB_GETCURSEL, 0, 0), 2);
  Click(Item(IDC_WHEEL_PAGE_RADIO));
  EXPECT_FALSE(::IsWindowEnabled(Item(IDC_WHEEL_LINES))) << "the click arrived";
  ASSERT_TRUE(CloseWith(IDCANCEL));
  PumpFor(300);
  EXPECT_EQ(WheelLines(), 6u) << "page scrolling waits for Apply";

  Open(kWheelTab);
  Click(Item(IDC_WHEEL_PAGE_RADIO));
  Click(::GetDlgItem(sheet, kApplyButton));
  EXPECT_TRUE(PumpUntil([] { return WheelLines() == WHEEL_PAGESCROLL; }, 2000));
  ASSERT_TRUE(CloseWith(IDOK));

  Open(kWheelTab);
  EXPECT_TRUE(Checked(IDC_WHEEL_PAGE_RADIO));
  EXPECT_FALSE(Checked(IDC_WHEEL_LINES_RADIO));
  EXPECT_FALSE(::IsWindowEnabled(Item(IDC_WHEEL_LINES)));
  EXPECT_EQ(::SendMessageA(Item(IDC_WHEEL_LINES), CB_GETCURSEL, 0, 0), CB_ERR);
  ASSERT_TRUE(CloseWith(IDCANCEL));
  ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 3, nullptr, kWrite);
}

TEST_F(SystemPages, PointerPageShowsTheSystemAndApplyWritesTheChosenLevelSpeedAndSnap) {
  SetAcceleration(4, 6, 2);
  ::SystemParametersInfoA(SPI_SETSNAPTODEFBUTTON, TRUE, nullptr, kWrite);
  // Where the program's first read of the speed comes from.
  ASSERT_TRUE(WriteUserString("Control Panel\\Mouse", "MouseSensitivity", "13"));
  ASSERT_TRUE(program.StartAndWait());
  Open(kPointerTab);
  EXPECT_TRUE(Checked(IDC_ACCEL_HIGH));
  for (int id : {IDC_ACCEL_OFF, IDC_ACCEL_SLOW, IDC_ACCEL_MEDIUM}) EXPECT_FALSE(Checked(id)) << id;
  EXPECT_EQ(Position(IDC_POINTER_SPEED), 13);
  EXPECT_TRUE(Checked(IDC_SNAP_DEFAULT));
  EXPECT_FALSE(ApplyEnabled());
  Screenshot("page-pointer");

  // Stale values under the program's feet: Apply must write both again.
  ASSERT_TRUE(WriteUserString("Control Panel\\Mouse", "MouseSensitivity", "99"));
  ASSERT_TRUE(WriteUserString("Control Panel\\Mouse", "SnapToDefaultButton", "0"));

  // A real click on an empty spot gives the sheet the keyboard; then the slider gets the focus.
  RECT page{};
  ::GetWindowRect(CurrentPage(), &page);
  ClickAt(page.left + 4, page.bottom - 4);
  ::SendMessageA(CurrentPage(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_POINTER_SPEED)), TRUE);
  PumpFor(200);
  EXPECT_FALSE(ApplyEnabled());
  Xdotool("key Right");
  EXPECT_TRUE(PumpUntil([&] { return Position(IDC_POINTER_SPEED) == 14; }, 2000));
  EXPECT_TRUE(PumpUntil([&] { return ApplyEnabled(); }, 2000)) << "a keyboard move enables Apply";

  Click(Item(IDC_ACCEL_MEDIUM));
  EXPECT_TRUE(Checked(IDC_ACCEL_MEDIUM));
  Click(::GetDlgItem(sheet, kApplyButton));
  EXPECT_TRUE(PumpUntil([] { return Acceleration() == std::vector<int>{4, 12, 2}; }, 2000));
  EXPECT_EQ(Acceleration(), (std::vector<int>{4, 12, 2}));
  EXPECT_EQ(StoredSystemValue("Mouse", "SnapToDefaultButton"), 1);
  EXPECT_NE(StoredSystemValue("Mouse", "MouseSensitivity"), 99) << "the speed is written on every Apply";

  // The wheel over the page marks it modified (the slider may have moved under it).
  EXPECT_TRUE(PumpUntil([&] { return !ApplyEnabled(); }, 2000)) << "applied";
  ::SendMessageA(CurrentPage(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_SNAP_DEFAULT)), TRUE);
  Xdotool("mousemove " + std::to_string(page.left + 4) + " " + std::to_string(page.bottom - 4) + " click 5");
  EXPECT_TRUE(PumpUntil([&] { return ApplyEnabled(); }, 2000));
  ASSERT_TRUE(CloseWith(IDOK));

  SetAcceleration(6, 10, 1);
  ::SystemParametersInfoA(SPI_SETSNAPTODEFBUTTON, FALSE, nullptr, kWrite);
  WriteUserString("Control Panel\\Mouse", "MouseSensitivity", "10");
}

TEST_F(SystemPages, XYPageShowsSpeedsMinusFiveAndOkWritesXThenYToDeviceAndRegistry) {
  if (DeviceFile().empty()) GTEST_SKIP() << "run through scripts/test";
  ASSERT_TRUE(WriteUserDword(kMouseXY, "key0", 20));
  ASSERT_TRUE(WriteUserDword(kMouseXY, "key1", 12));
  ASSERT_TRUE(program.StartAndWait());
  ASSERT_EQ(DeviceBytes().size(), 8u) << "start-up sends the stored speeds";
  ClearDevice();
  Open(kXYTab);
  EXPECT_EQ(Position(IDC_SPEED_X), 15);
  EXPECT_EQ(Position(IDC_SPEED_Y), 7);
  EXPECT_EQ(TextOf(Item(IDC_SPEED_X_VALUE)), "15");
  EXPECT_EQ(TextOf(Item(IDC_SPEED_Y_VALUE)), "7");
  EXPECT_FALSE(ApplyEnabled());
  Screenshot("page-xy");
  ASSERT_TRUE(WriteUserDword(kMouseXY, "key0", 0));
  ASSERT_TRUE(WriteUserDword(kMouseXY, "key1", 0));
  ASSERT_TRUE(CloseWith(IDOK));
  EXPECT_EQ(DeviceBytes(), (std::vector<unsigned char>{20, 0, 0, 0, 12, 0, 0, 0}));
  DWORD x = 0, y = 0;
  EXPECT_TRUE(ReadUserDword(kMouseXY, "key0", &x));
  EXPECT_TRUE(ReadUserDword(kMouseXY, "key1", &y));
  EXPECT_EQ(x, 20u);
  EXPECT_EQ(y, 12u);
  ASSERT_TRUE(program.Exit());

  // First use: nothing stored reads as X = 0, Y = 1.
  DeleteProgramSettings();
  ClearDevice();
  ASSERT_TRUE(program.StartAndWait());
  Open(kXYTab);
  EXPECT_EQ(TextOf(Item(IDC_SPEED_X_VALUE)), "-5");
  EXPECT_EQ(TextOf(Item(IDC_SPEED_Y_VALUE)), "-4");
  EXPECT_EQ(Position(IDC_SPEED_X), 0);
  EXPECT_EQ(Position(IDC_SPEED_Y), 0);
  EXPECT_TRUE(DeviceBytes().empty()) << "nothing sent before OK";
  ASSERT_TRUE(CloseWith(IDOK));
  EXPECT_EQ(DeviceBytes(), (std::vector<unsigned char>{5, 0, 0, 0, 5, 0, 0, 0}));
  EXPECT_TRUE(ReadUserDword(kMouseXY, "key0", &x));
  EXPECT_TRUE(ReadUserDword(kMouseXY, "key1", &y));
  EXPECT_EQ(x, 5u);
  EXPECT_EQ(y, 5u);
}

}  // namespace
