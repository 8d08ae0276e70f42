// Looking at the real program's sheet changes nothing, however unusual the settings
// are; a change on the wheel, pointer and X/Y tabs then takes effect.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "res/resource.h"
#include "tests/support/program.h"
#include "tests/support/sheet_driver.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kRoot = "Software\\Trovane Mouse\\Pelrand";
constexpr UINT kWrite = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;

// Every value below a key of HKEY_CURRENT_USER, one "path\name=type:data" line each.
std::string Dump(const std::string& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return path + " absent\n";
  std::string out;
  char name[256];
  char data[2048];
  DWORD nameSize = sizeof name, size = sizeof data, type = 0;
  for (DWORD i = 0; ::RegEnumValueA(key, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) == 0;
       ++i, nameSize = sizeof name, size = sizeof data)
    out += path + "\\" + name + "=" + std::to_string(type) + ":" + std::string(data, size) + "\n";
  for (DWORD i = 0; nameSize = sizeof name, ::RegEnumKeyExA(key, i, name, &nameSize, 0, 0, 0, 0) == 0; ++i)
    out += Dump(path + "\\" + name);
  ::RegCloseKey(key);
  return out;
}
std::string Settings() {
  return Dump("Software\\Trovane Mouse") + Dump("Control Panel\\Mouse") + Dump("Control Panel\\Desktop");
}

std::string DeviceBytes() {
  std::ifstream in(DeviceFile(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The pointer speed a newly started program reads through the platform.
DWORD SpeedReadByANewProgram() {
  DWORD speed = 0;
  return RunWindows(ProgramFolder() + "\\mouse_speed_probe.exe", 10000, &speed) ? speed : 0;
}

class SystemPages : public testing::Test {
 protected:
  void SetUp() override {
    e2e::EndAllInstances();
    DeleteProgramSettings();
    Xdotool("mousemove 1000 700");
  }
  void TearDown() override { ScreenshotOnFailure("system-pages"); }

  // The keyboard to the sheet (a real click on an empty spot), then to a control.
  void FocusOn(int id) {
    RECT page{};
    ::GetWindowRect(driver.CurrentPage(), &page);
    Xdotool("mousemove " + std::to_string(page.left + 4) + " " + std::to_string(page.bottom - 4) + " click 1");
    ::SendMessageA(driver.CurrentPage(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(driver.Item(id)), TRUE);
    PumpFor(200);
  }

  e2e::Program program;
  e2e::SheetDriver driver{program};
};

TEST_F(SystemPages, EveryTabOpenedAndClosedWithOkWritesNothingAndAChangeOnEachTakesEffect) {
  if (DeviceFile().empty()) GTEST_SKIP() << "run through scripts/test";
  std::ofstream(DeviceFile(), std::ios::binary | std::ios::trunc);
  // Settings none of the tabs can show: 5 wheel lines, Windows' own
  // acceleration, a double-click time beyond the slider, a function code and
  // a sensor speed outside their ranges; and an installed launcher section.
  ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 5, nullptr, kWrite);
  int windowsDefault[3] = {6, 10, 1};
  ::SystemParametersInfoA(SPI_SETMOUSE, 0, windowsDefault, kWrite);
  ::SystemParametersInfoA(SPI_SETDOUBLECLICKTIME, 1000, nullptr, kWrite);
  ASSERT_TRUE(WriteUserDword(kRoot + "\\Setting For Key", "key0", 60));
  ASSERT_TRUE(WriteUserDword(kRoot + "\\Setting For MouseXY", "key0", 300));
  ASSERT_TRUE(WriteUserDword(kRoot + "\\Setting For MouseXY", "key1", 12));
  ASSERT_TRUE(WriteUserString(kRoot + "\\Setting For ShortcutKey", "ShortcutKey #1", "Volume Control"));
  ASSERT_TRUE(program.StartAndWait());
  const std::string before = Settings();
  ASSERT_TRUE(driver.Open());
  for (int tab = 0; tab < e2e::kTabCount; ++tab) {
    ASSERT_TRUE(driver.ShowTab(tab));
    Screenshot("sheet-tab-" + std::to_string(tab + 1));
  }
  ASSERT_TRUE(driver.ShowTab(2));
  EXPECT_EQ(driver.Text(IDC_WHEEL_LINES), "5") << "a count the list lacks, as it is";
  driver.Click(driver.Button(e2e::kOkButton));
  ASSERT_TRUE(driver.WaitClosed());
  PumpFor(300);
  EXPECT_EQ(Settings(), before);
  EXPECT_EQ(DeviceBytes(), "") << "nothing in range to send";

  // The positive control: a change on each tab.
  ASSERT_TRUE(driver.Open());
  ASSERT_TRUE(driver.ShowTab(2));
  RECT combo{};
  ::GetWindowRect(driver.Item(IDC_WHEEL_LINES), &combo);
  const std::string button = std::to_string(combo.right - 6) + " " + std::to_string((combo.top + combo.bottom) / 2);
  Xdotool("mousemove " + button + " click 1");  // drops the list, which holds 1, 3, 6
  PumpFor(300);
  Xdotool("key Down Down Down Return");
  EXPECT_TRUE(PumpUntil([] { return StoredSystemValue("Desktop", "WheelScrollLines") == 6; }, 2000))
      << "a list choice is in force at once";
  ASSERT_TRUE(driver.ShowTab(3));
  FocusOn(IDC_POINTER_SPEED);
  Xdotool("key Right");
  ASSERT_TRUE(driver.ShowTab(5));
  FocusOn(IDC_SPEED_X);
  Xdotool("key Left");
  driver.Click(driver.Button(e2e::kOkButton));
  ASSERT_TRUE(driver.WaitClosed());
  EXPECT_EQ(SpeedReadByANewProgram(), 11u) << "the speed reaches the platform's own call";
  EXPECT_EQ(DeviceBytes(), std::string("\x13\0\0\0\x0c\0\0\0", 8)) << "X 14 + 5, Y as stored";
  ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 3, nullptr, kWrite);
  ::SystemParametersInfoA(SPI_SETDOUBLECLICKTIME, 500, nullptr, kWrite);
}

}  // namespace
