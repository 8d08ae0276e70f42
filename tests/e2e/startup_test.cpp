// The real program: one instance per logon, settings at start-up, the tray
// frame's messages and the one exit path.
#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "res/identity.h"
#include "res/resource.h"
#include "settings/schema.h"
#include "tests/support/program.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kRoot = settings::kProfileRoot;

std::vector<unsigned char> DeviceBytes() {
  std::ifstream in(DeviceFile(), std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

void SetWheelLines(UINT lines) {
  ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, lines, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

UINT WheelLines() { return static_cast<UINT>(StoredSystemValue("Desktop", "WheelScrollLines")); }

void SetAcceleration(int a, int b, int c) {
  int triple[3] = {a, b, c};
  ::SystemParametersInfoA(SPI_SETMOUSE, 0, triple, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

std::vector<int> Acceleration() {
  return {StoredSystemValue("Mouse", "MouseThreshold1"), StoredSystemValue("Mouse", "MouseThreshold2"),
          StoredSystemValue("Mouse", "MouseSpeed")};
}

HWND VisibleMenuOf(DWORD pid) {
  for (HWND menu = ::FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu;
       menu = ::FindWindowExA(nullptr, menu, "#32768", nullptr)) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(menu, &owner);
    if (owner == pid && ::IsWindowVisible(menu)) return menu;
  }
  return nullptr;
}

void ClickAtCentre(HWND hwnd, const char* button) {
  RECT rect{};
  ::GetWindowRect(hwnd, &rect);
  Xdotool("mousemove " + std::to_string((rect.left + rect.right) / 2) + " " + std::to_string((rect.top + rect.bottom) / 2) +
          " " + button);
}

class Startup : public testing::Test {
 protected:
  void SetUp() override {
    e2e::EndAllInstances();
    DeleteProgramSettings();
    if (!DeviceFile().empty()) std::ofstream(DeviceFile(), std::ios::binary | std::ios::trunc);
  }
  void TearDown() override { ScreenshotOnFailure("startup"); }
};

TEST_F(Startup, SecondStartEndsAtOnceLeavingOneFrameAndOneDispatchWindow) {
  e2e::Program first;
  ASSERT_TRUE(first.StartAndWait());
  e2e::Program second;
  ASSERT_TRUE(second.Start());
  EXPECT_TRUE(second.WaitForExit(5000));
  EXPECT_EQ(e2e::CountWindowsTitled(res::kFrameTitle), 1);
  EXPECT_EQ(e2e::CountWindowsTitled(res::kDispatchTitle), 1);
  EXPECT_TRUE(first.Running());
}

TEST_F(Startup, FirstStartCreatesTheSectionsItReadsAndStoresNoValues) {
  e2e::Program program;
  ASSERT_TRUE(program.StartAndWait());
  EXPECT_TRUE(UserKeyExists(kRoot + "\\Setting For Key"));
  EXPECT_TRUE(UserKeyExists(kRoot + "\\Setting For KeyCombination"));
  EXPECT_TRUE(UserKeyExists(kRoot + "\\Setting For MouseXY"));
  EXPECT_FALSE(UserKeyExists(kRoot + "\\Setting For Wheel"));
  EXPECT_FALSE(UserKeyExists(kRoot + "\\Setting For ShortcutKey"));
  DWORD value;
  EXPECT_FALSE(ReadUserDword(kRoot + "\\Setting For Key", "key0", &value));
  EXPECT_FALSE(ReadUserDword(kRoot + "\\Setting For MouseXY", "key0", &value));
  // X = 0 and Y = 1 (nothing stored) are no speeds the device takes: it gets nothing.
  if (!DeviceFile().empty()) {
    EXPECT_TRUE(DeviceBytes().empty());
  }
}

TEST_F(Startup, FrameIsHiddenAndTitledForOutsidePrograms) {
  e2e::Program program;
  ASSERT_TRUE(program.StartAndWait());
  HWND frame = ::FindWindowA(nullptr, res::kFrameTitle);
  ASSERT_EQ(frame, program.Frame());
  EXPECT_FALSE(::IsWindowVisible(frame));
  EXPECT_FALSE(::IsWindowVisible(program.Dispatch()));
}

TEST_F(Startup, DeviceReceivesStoredSpeedsXThenYOnlyWhenBothAreInItsRange) {
  if (DeviceFile().empty()) GTEST_SKIP() << "run through scripts/test";
  ASSERT_TRUE(WriteUserDword(kRoot + "\\Setting For MouseXY", "key0", 12));
  ASSERT_TRUE(WriteUserDword(kRoot + "\\Setting For MouseXY", "key1", 300));
  {
    e2e::Program program;
    ASSERT_TRUE(program.StartAndWait());
    EXPECT_TRUE(DeviceBytes().empty()) << "300 is outside 5..20: nothing is sent";
  }
  DWORD value = 0;
  ASSERT_TRUE(ReadUserDword(kRoot + "\\Setting For MouseXY", "key1", &value));
  EXPECT_EQ(value, 300u) << "and the stored value stays as it is";
  ASSERT_TRUE(WriteUserDword(kRoot + "\\Setting For MouseXY", "key1", 20));
  e2e::Program program;
  ASSERT_TRUE(program.StartAndWait());
  EXPECT_EQ(DeviceBytes(), (std::vector<unsigned char>{12, 0, 0, 0, 20, 0, 0, 0}));
}

TEST_F(Startup, WheelLinesOfZeroBecomeThreeOtherValuesStay) {
  const UINT cases[][2] = {{0, 3}, {1, 1}, {WHEEL_PAGESCROLL, WHEEL_PAGESCROLL}};
  for (const auto& c : cases) {
    SetWheelLines(c[0]);
    ASSERT_EQ(WheelLines(), c[0]);
    e2e::Program program;
    ASSERT_TRUE(program.StartAndWait());
    PumpFor(100);
    EXPECT_EQ(WheelLines(), c[1]) << "started with " << c[0];
    ASSERT_TRUE(program.Exit());
  }
  SetWheelLines(3);
}

TEST_F(Startup, AccelerationOutsideThePresetsIsSwitchedOff) {
  SetAcceleration(6, 10, 1);
  {
    e2e::Program program;
    ASSERT_TRUE(program.StartAndWait());
    PumpFor(100);
    EXPECT_EQ(Acceleration(), (std::vector<int>{0, 0, 0}));
  }
  SetAcceleration(4, 6, 2);
  {
    e2e::Program program;
    ASSERT_TRUE(program.StartAndWait());
    PumpFor(100);
    EXPECT_EQ(Acceleration(), (std::vector<int>{4, 6, 2}));
  }
  SetAcceleration(6, 10, 1);
}

TEST_F(Startup, ReloadWheelReadsTheStoredModeThroughTheProfile) {
  e2e::Program program;
  ASSERT_TRUE(program.StartAndWait());
  EXPECT_FALSE(UserKeyExists(kRoot + "\\Setting For Wheel"));
  ::SendMessageA(program.Frame(), res::WM_RELOAD_WHEEL, 0, 0);
  EXPECT_TRUE(UserKeyExists(kRoot + "\\Setting For Wheel"));
  EXPECT_TRUE(program.Running());
}

TEST_F(Startup, ExitCommandEndsTheProcessAndRemovesTheTrayIcon) {
  e2e::Program program;
  ASSERT_TRUE(program.StartAndWait());
  HWND frame = program.Frame();
  ::PostMessageA(frame, WM_COMMAND, ID_APP_EXIT, 0);
  EXPECT_TRUE(program.WaitForExit(5000));
  EXPECT_EQ(program.ExitCode(), 0u);
  EXPECT_FALSE(::IsWindow(frame));
  EXPECT_EQ(e2e::CountWindowsTitled(res::kFrameTitle), 0);
}

TEST_F(Startup, TrayIconComesWithTheProgramAndGoesWithIt) {
  ASSERT_TRUE(TrayIcons().empty());
  e2e::Program program;
  ASSERT_TRUE(program.StartAndWait());
  ASSERT_TRUE(PumpUntil([] { return TrayIcons().size() == 1; }));
  ASSERT_TRUE(program.Exit());
  EXPECT_TRUE(PumpUntil([] { return TrayIcons().empty(); }));
}

TEST_F(Startup, TrayIconComesBackWhenTheTaskbarIsCreatedAgain) {
  e2e::Program program;
  ASSERT_TRUE(program.StartAndWait());
  ASSERT_TRUE(PumpUntil([] { return TrayIcons().size() == 1; }));
  // A restarted taskbar knows no icons: the tray loses ours, as after an Explorer crash.
  NOTIFYICONDATAA icon{};
  icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
  icon.hWnd = program.Frame();
  icon.uID = res::kTrayIconId;
  ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &icon));
  ASSERT_TRUE(PumpUntil([] { return TrayIcons().empty(); }));

  // The new taskbar announces itself to every top-level window, hidden ones included.
  const UINT taskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");
  ::PostMessageA(HWND_BROADCAST, taskbarCreated, 0, 0);
  ASSERT_TRUE(PumpUntil([] { return TrayIcons().size() == 1; }));
  // An announcement while the icon is there adds no second one.
  ::PostMessageA(HWND_BROADCAST, taskbarCreated, 0, 0);
  PumpFor(1000);
  EXPECT_EQ(TrayIcons().size(), 1u);
  Screenshot("tray-after-taskbar-restart", RECT{0, 0, 240, 80});

  // The icon that came back is the program's: its menu opens from it.
  ClickAtCentre(TrayIcons()[0], "click 3");
  EXPECT_TRUE(PumpUntil([&] { return VisibleMenuOf(program.ProcessId()) != nullptr; }));
  Xdotool("key Escape");
  EXPECT_TRUE(PumpUntil([&] { return VisibleMenuOf(program.ProcessId()) == nullptr; }));
}

TEST_F(Startup, RightClickOnTheTrayIconShowsItsMenuAndEscapeClosesIt) {
  e2e::Program program;
  ASSERT_TRUE(program.StartAndWait());
  ASSERT_TRUE(PumpUntil([] { return TrayIcons().size() == 1; }));
  ClickAtCentre(TrayIcons()[0], "click 3");
  ASSERT_TRUE(PumpUntil([&] { return VisibleMenuOf(program.ProcessId()) != nullptr; }));
  PumpFor(300);
  Screenshot("tray-menu");
  Xdotool("key Escape");
  EXPECT_TRUE(PumpUntil([&] { return VisibleMenuOf(program.ProcessId()) == nullptr; }));
  EXPECT_TRUE(program.Running());
}

TEST_F(Startup, DoubleClickOnTheTrayIconOpensTheSheet) {
  e2e::Program program;
  ASSERT_TRUE(program.StartAndWait());
  ASSERT_TRUE(PumpUntil([] { return TrayIcons().size() == 1; }));
  ClickAtCentre(TrayIcons()[0], "click --repeat 2 --delay 80 1");
  EXPECT_TRUE(PumpUntil([] { return ::FindWindowA(nullptr, res::kSheetCaption) != nullptr; }));
  EXPECT_TRUE(program.Exit());
}

TEST_F(Startup, LogoffExitsThroughTheExitCommandACancelledOneDoesNothing) {
  e2e::Program program;
  ASSERT_TRUE(program.StartAndWait());
  ::SendMessageA(program.Frame(), WM_ENDSESSION, FALSE, 0);
  EXPECT_FALSE(program.WaitForExit(1000));
  ::SendMessageA(program.Frame(), WM_ENDSESSION, TRUE, 0);
  EXPECT_TRUE(program.WaitForExit(5000));
  EXPECT_EQ(program.ExitCode(), 0u);
}

TEST_F(Startup, MinimiseAndMaximiseLeaveTheHiddenWindowsAlone) {
  e2e::Program program;
  ASSERT_TRUE(program.StartAndWait());
  for (HWND hwnd : {program.Frame(), program.Dispatch()}) {
    ::SendMessageA(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ::SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(::IsZoomed(hwnd));
    EXPECT_FALSE(::IsIconic(hwnd));
    EXPECT_FALSE(::IsWindowVisible(hwnd));
  }
}

TEST_F(Startup, MousePanelCommandOpensTheSystemsMouseControlPanel) {
  // Wine has no mouse panel of its own: a stand-in main.cpl notes that it was opened.
  char system[MAX_PATH] = {}, temp[MAX_PATH] = {};
  ::GetSystemDirectoryA(system, MAX_PATH);
  ::GetTempPathA(MAX_PATH, temp);
  const std::string applet = std::string(system) + "\\main.cpl";
  const std::string log = std::string(temp) + "zyfo-main-cpl.txt";
  ASSERT_TRUE(::CopyFileA((ProgramFolder() + "\\main.cpl").c_str(), applet.c_str(), FALSE));
  ::DeleteFileA(log.c_str());
  e2e::Program program;
  ASSERT_TRUE(program.StartAndWait());
  ::PostMessageA(program.Frame(), WM_COMMAND, ID_OPEN_MOUSE_PANEL, 0);
  EXPECT_TRUE(PumpUntil([&] { return ::GetFileAttributesA(log.c_str()) != INVALID_FILE_ATTRIBUTES; }, 8000));
  EXPECT_TRUE(program.Running());
  ::DeleteFileA(applet.c_str());
}

TEST_F(Startup, ConfigurationOpensOneSheetAtATime) {
  e2e::Program program;
  ASSERT_TRUE(program.StartAndWait());
  ::PostMessageA(program.Frame(), WM_COMMAND, ID_CONFIGURATION, 0);
  ASSERT_TRUE(PumpUntil([] { return ::FindWindowA(nullptr, res::kSheetCaption) != nullptr; }));
  ::PostMessageA(program.Frame(), WM_COMMAND, ID_CONFIGURATION, 0);
  ::PostMessageA(program.Frame(), res::WM_TRAYNOTIFY, res::kTrayIconId, WM_LBUTTONDBLCLK);
  PumpFor(500);
  EXPECT_EQ(e2e::CountWindowsTitled(res::kSheetCaption), 1);
  // Exit while the sheet is open closes the sheet and then the program.
  EXPECT_TRUE(program.Exit());
}

}  // namespace
