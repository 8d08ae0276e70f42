// Starting launcher shortcuts for real: a program path with blanks must start
// that program, not the one its first word names.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "launcher/shortcut_launch_win.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

class ShortcutLaunch : public testing::Test {
 protected:
  void SetUp() override {
    ClearLaunchProbeLog();
    const std::string probe = ProgramFolder() + "\\launch_probe.exe";
    ::CreateDirectoryA("C:\\Program Files\\Zyfo Test", nullptr);
    ASSERT_TRUE(::CopyFileA(probe.c_str(), kTool, FALSE));
    // The program a split command line would start instead.
    ASSERT_TRUE(::CopyFileA(probe.c_str(), kDecoy, FALSE));
  }
  void TearDown() override {
    ::DeleteFileA(kTool);
    ::DeleteFileA(kDecoy);
    ::RemoveDirectoryA("C:\\Program Files\\Zyfo Test");
  }
  bool WaitForLog() {
    return PumpUntil([] { return !LaunchProbeLog().empty(); }, 5000);
  }
  static constexpr const char* kTool = "C:\\Program Files\\Zyfo Test\\tool.exe";
  static constexpr const char* kDecoy = "C:\\Program.exe";
};

TEST_F(ShortcutLaunch, ChosenProgramWithBlanksInItsPathStartsItselfNotItsFirstWord) {
  launcher::Table texts{};
  texts[9] = kTool;  // slot 10, page 2 index 1, stored without quotes
  launcher::LaunchSlot(2, 1, texts);
  ASSERT_TRUE(WaitForLog());
  PumpFor(300);
  std::string log = LaunchProbeLog();
  EXPECT_NE(log.find("Zyfo Test\\tool.exe|"), std::string::npos) << log;
  EXPECT_EQ(log.find("C:\\Program.exe"), std::string::npos) << log;
}

TEST_F(ShortcutLaunch, ACommandLineWithArgumentsStillRuns) {
  launcher::Table texts{};
  texts[2] = "\"" + std::string(kTool) + "\" --from-slot-3";
  launcher::LaunchSlot(1, 3, texts);
  ASSERT_TRUE(WaitForLog());
  EXPECT_NE(LaunchProbeLog().find("--from-slot-3"), std::string::npos) << LaunchProbeLog();
}

TEST_F(ShortcutLaunch, PredefinedNameStartsItsProgramThroughTheShell) {
  launcher::Table texts = launcher::DefaultTable();
  launcher::LaunchSlot(1, 8, texts);  // "Notepad"
  HWND notepad = nullptr;
  EXPECT_TRUE(PumpUntil([&] { return (notepad = ::FindWindowA("Notepad", nullptr)) != nullptr; }, 8000));
  if (notepad) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(notepad, &pid);
    HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (process) {
      ::TerminateProcess(process, 0);
      ::WaitForSingleObject(process, 3000);
      ::CloseHandle(process);
    }
  }
}

}  // namespace
