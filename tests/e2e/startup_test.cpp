// The real program from start to exit: one instance per logon, what it reads
// and normalises at start-up, the hidden windows outside programs find, the
// tray icon and its menu, the sheet opened from it, and the ways it ends.
#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include <fstream>

#include "res/identity.h"
#include "res/resource.h"
#include "tests/support/scenario.h"

using namespace testsupport;

namespace e2e {
namespace {

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

bool SheetOpen() { return ::FindWindowA(nullptr, res::kSheetCaption) != nullptr; }

class Startup : public Scenario {};

TEST_F(Startup, AFreshProfileFromStartToLogoff) {
  SetWheelLines(0);
  SetAcceleration(6, 10, 1);  // the system's own default, which no preset of the pointer page matches
  screen.reset();  // the tray icons must be what the pointer is over
  Start();
  Program second;
  ASSERT_TRUE(second.Start());
  EXPECT_TRUE(second.WaitForExit(5000)) << "a second start ends at once";
  EXPECT_EQ(CountWindowsTitled(res::kFrameTitle), 1);
  EXPECT_EQ(CountWindowsTitled(res::kDispatchTitle), 1);

  // The sections it reads are created, empty; those of installation are not.
  for (const char* section : {settings::kSectionKey, settings::kSectionMacro, settings::kSectionMouseXY})
    EXPECT_TRUE(UserKeyExists(Section(section))) << section;
  for (const char* section : {settings::kSectionWheel, settings::kSectionShortcut, settings::kSectionDpi})
    EXPECT_FALSE(UserKeyExists(Section(section))) << section;
  DWORD value = 0;
  EXPECT_FALSE(ReadUserDword(Section(settings::kSectionKey), "key0", &value));
  EXPECT_FALSE(ReadUserDword(Section(settings::kSectionMouseXY), "key0", &value));
  if (!DeviceFile().empty()) {
    EXPECT_TRUE(DeviceBytes().empty()) << "X = 0 and Y = 1 are no speeds the device takes";
  }
  EXPECT_EQ(WheelLines(), 3u) << "a wheel that scrolls nothing is set to 3 lines";
  EXPECT_EQ(Acceleration(), (std::vector<int>{6, 10, 1})) << "the acceleration stays as the user set it";

  // Hidden windows, found by their titles; minimise and maximise leave them hidden.
  EXPECT_EQ(::FindWindowA(nullptr, res::kFrameTitle), program.Frame());
  for (HWND hwnd : {program.Frame(), program.Dispatch()}) {
    ::SendMessageA(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    ::SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(::IsZoomed(hwnd) || ::IsIconic(hwnd) || ::IsWindowVisible(hwnd));
  }
  // Reloading the wheel mode reads it through the profile, which creates its section.
  ::SendMessageA(program.Frame(), res::WM_RELOAD_WHEEL, 0, 0);
  EXPECT_TRUE(UserKeyExists(Section(settings::kSectionWheel)));

  // The tray icon and its menu.
  ASSERT_TRUE(PumpUntil([] { return TrayIcons().size() == 1; }));
  ClickCentre(TrayIcons()[0], "click 3");
  ASSERT_TRUE(PumpUntil([&] { return VisibleMenuOf(program.ProcessId()) != nullptr; }));
  PumpFor(300);
  Xdotool("key Escape");
  EXPECT_TRUE(PumpUntil([&] { return VisibleMenuOf(program.ProcessId()) == nullptr; }));

  // A restarted taskbar knows no icons: the tray loses ours, as after an Explorer crash,
  // and the new taskbar announces itself to every top-level window, hidden ones included.
  NOTIFYICONDATAA icon{};
  icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
  icon.hWnd = program.Frame();
  icon.uID = res::kTrayIconId;
  ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &icon));
  ASSERT_TRUE(PumpUntil([] { return TrayIcons().empty(); }));
  const UINT taskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");
  ::PostMessageA(HWND_BROADCAST, taskbarCreated, 0, 0);
  ASSERT_TRUE(PumpUntil([] { return TrayIcons().size() == 1; })) << "the icon comes back";
  ::PostMessageA(HWND_BROADCAST, taskbarCreated, 0, 0);
  PumpFor(1000);
  EXPECT_EQ(TrayIcons().size(), 1u) << "an announcement while it is there adds no second one";

  // A single click on the icon that came back does nothing, a double-click opens
  // the sheet, and more requests open no second one.
  ClickCentre(TrayIcons()[0], "click 1");
  PumpFor(800);
  EXPECT_FALSE(SheetOpen()) << "a single click";
  ClickCentre(TrayIcons()[0], "click --repeat 2 --delay 80 1");
  EXPECT_TRUE(PumpUntil(SheetOpen));
  ::PostMessageA(program.Frame(), WM_COMMAND, ID_CONFIGURATION, 0);
  ::PostMessageA(program.Frame(), res::WM_TRAYNOTIFY, res::kTrayIconId, WM_LBUTTONDBLCLK);
  PumpFor(500);
  EXPECT_EQ(CountWindowsTitled(res::kSheetCaption), 1);

  // A cancelled logoff does nothing; a real one exits through the exit command,
  // closing the sheet first and taking the tray icon along.
  const HWND frame = program.Frame();
  ::SendMessageA(frame, WM_ENDSESSION, FALSE, 0);
  EXPECT_FALSE(program.WaitForExit(1000));
  ::SendMessageA(frame, WM_ENDSESSION, TRUE, 0);
  EXPECT_TRUE(program.WaitForExit(5000));
  EXPECT_EQ(program.ExitCode(), 0u);
  EXPECT_FALSE(::IsWindow(frame));
  EXPECT_TRUE(PumpUntil([] { return TrayIcons().empty(); }));
}

TEST_F(Startup, StoredSpeedsReachTheDeviceOnlyWhenBothAreInItsRange) {
  // Two starts, each with its own wheel lines and acceleration, which stay as they are.
  struct {
    DWORD x, y;
    UINT wheel;
    int accel[3];
    std::vector<unsigned char> device;
    bool deviceMissing;
  } const runs[] = {
      {12, 300, 1, {4, 6, 2}, {}, false},  // 300 is outside 5..20: nothing is sent, the value stays
      {12, 20, WHEEL_PAGESCROLL, {0, 0, 0}, {12, 0, 0, 0, 20, 0, 0, 0}, false},  // X, then Y
      {5, 5, 3, {0, 0, 0}, {}, true},  // no mouse: nothing is created in its place
  };
  const std::string device = DeviceFile(), away = device + ".away";
  for (const auto& run : runs) {
    SCOPED_TRACE("speeds " + std::to_string(run.x) + ", " + std::to_string(run.y));
    if (!device.empty()) std::ofstream(device, std::ios::binary | std::ios::trunc);
    if (run.deviceMissing && (device.empty() || !::MoveFileA(device.c_str(), away.c_str()))) continue;
    ASSERT_TRUE(WriteUserDword(Section(settings::kSectionMouseXY), "key0", run.x));
    ASSERT_TRUE(WriteUserDword(Section(settings::kSectionMouseXY), "key1", run.y));
    SetWheelLines(run.wheel);
    SetAcceleration(run.accel[0], run.accel[1], run.accel[2]);
    ASSERT_TRUE(program.StartAndWait());
    PumpFor(100);
    if (run.deviceMissing) {
      EXPECT_EQ(::GetFileAttributesA(device.c_str()), INVALID_FILE_ATTRIBUTES);
      ::MoveFileA(away.c_str(), device.c_str());
    } else if (!device.empty()) {
      EXPECT_EQ(DeviceBytes(), run.device);
    }
    DWORD y = 0;
    EXPECT_TRUE(ReadUserDword(Section(settings::kSectionMouseXY), "key1", &y) && y == run.y);
    EXPECT_EQ(WheelLines(), run.wheel);
    EXPECT_EQ(Acceleration(), (std::vector<int>{run.accel[0], run.accel[1], run.accel[2]}));
    // The frame's exit command ends the process.
    ::PostMessageA(program.Frame(), WM_COMMAND, ID_APP_EXIT, 0);
    EXPECT_TRUE(program.WaitForExit(5000));
    EXPECT_EQ(program.ExitCode(), 0u);
    EXPECT_EQ(CountWindowsTitled(res::kFrameTitle), 0);
  }
  SetWheelLines(3);
  SetAcceleration(6, 10, 1);
}

}  // namespace
}  // namespace e2e
