// The resolution picture of the real program, seen on the screen as a user sees
// it: level reports posted to the dispatch window as the device library of a
// mouse with resolution buttons would post them, the screen read back through
// GDI and compared with the program's own pictures.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "makerlibs/include/maker_contract.h"
#include "res/identity.h"
#include "res/resource.h"
#include "tests/support/program.h"
#include "tests/support/screen_pixels.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kDpiKey = "Software\\Trovane Mouse\\Pelrand\\Setting For Dpi";
constexpr int kBlockWidth = 76;
constexpr int kBlockHeight = 98;

// The block at `left` as it should look with the picture `bitmapId` (from the
// resources this test program shares with the program) over the pattern: the
// 400 picture is one row shorter than the block.
Pixels PictureOverPattern(int bitmapId, int left, int phase) {
  Pixels block = Pattern(left, 0, kBlockWidth, kBlockHeight, phase);
  int width = 0, height = 0;
  const Pixels picture = BitmapPixels(::GetModuleHandleA(nullptr), bitmapId, &width, &height);
  if (picture.empty()) return {};
  for (int y = 0; y < height && y < kBlockHeight; ++y)
    for (int x = 0; x < width && x < kBlockWidth; ++x)
      block[static_cast<size_t>(y) * kBlockWidth + x] = picture[static_cast<size_t>(y) * width + x];
  return block;
}

// The right edge of the work area that a program started now gets, as it sees it.
int WorkAreaRightOfNewProgram() {
  const std::string probe = ProgramFolder() + "\\work_area_probe.exe";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::vector<char> line(probe.begin(), probe.end());
  line.push_back(0);
  if (!::CreateProcessA(probe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return -1;
  DWORD code = 0;
  PumpUntil([&] { return ::WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, 10000);
  ::GetExitCodeProcess(process.hProcess, &code);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

// Wine takes the work area from the X root window's _NET_WORKAREA (what a
// desktop with a taskbar sets) when it reads the display configuration: at
// start, and again when the display settings are applied. SPI_SETWORKAREA would
// change the calling process only.
bool SetWorkAreaRight(int right) {
  const std::string command =
      right < 0 ? "xprop -root -remove _NET_WORKAREA"
                : "xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA '0, 0, " + std::to_string(right) + ", " +
                      std::to_string(::GetSystemMetrics(SM_CYSCREEN)) + "'";
  if (!RunUnix(command)) return false;
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  if (!::EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return false;
  mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
  return ::ChangeDisplaySettingsExA(nullptr, &mode, nullptr, CDS_RESET, nullptr) == DISP_CHANGE_SUCCESSFUL;
}

// Keeps the picture up while a screenshot is taken, which takes longer than 300 ms.
HWND g_repeatTarget = nullptr;
void CALLBACK RepeatReport(HWND, UINT, UINT_PTR, DWORD) {
  ::PostMessageA(g_repeatTarget, makerlibs::WM_MOUSEBTN_UP, 0, 44);
}

class Indicator : public testing::Test {
 protected:
  void SetUp() override {
    e2e::EndAllInstances();
    DeleteProgramSettings();
    m_screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
  }
  void TearDown() override { ScreenshotOnFailure("indicator"); }

  void Report(LPARAM eventCode) { ::PostMessageA(program.Dispatch(), makerlibs::WM_MOUSEBTN_UP, 0, eventCode); }

  // The block at the top right of a full-screen work area.
  int Left() const { return m_screenWidth - kBlockWidth; }
  Pixels Corner() const { return Grab(Left(), 0, kBlockWidth, kBlockHeight); }
  testing::AssertionResult CornerShows(int bitmapId) const {
    return SamePixels(Corner(), PictureOverPattern(bitmapId, Left(), window.phase()), kBlockWidth);
  }
  testing::AssertionResult CornerShowsWindow() const {
    return SamePixels(Corner(), Pattern(Left(), 0, kBlockWidth, kBlockHeight, window.phase()), kBlockWidth);
  }
  // Waits until `ms` after `start`, handling the pattern window's messages.
  static void PumpUntilMs(ULONGLONG start, ULONGLONG ms) {
    const ULONGLONG now = ::GetTickCount64();
    if (now < start + ms) PumpFor(static_cast<DWORD>(start + ms - now));
  }
  // Checks `check` until it holds or `ms` after `start` passed.
  static bool Within(ULONGLONG start, ULONGLONG ms, const std::function<bool()>& check) {
    const ULONGLONG now = ::GetTickCount64();
    return PumpUntil(check, now < start + ms ? static_cast<DWORD>(start + ms - now) : 0);
  }

  PatternWindow window;
  e2e::Program program;
  int m_screenWidth = 0;
};

TEST_F(Indicator, LevelReportShowsItsPictureInTheCornerAtOnceAndPutsTheCornerBackAfter300Ms) {
  ASSERT_TRUE(program.StartAndWait());
  ASSERT_TRUE(CornerShowsWindow());
  const int allWindows = CountTopLevelWindows(0), ownWindows = CountTopLevelWindows(program.ProcessId());
  ASSERT_EQ(::GetForegroundWindow(), window.hwnd());

  // Neighbours of the level reports are buttons nobody has: nothing shows.
  Report(37);
  Report(52);
  PumpFor(150);
  EXPECT_TRUE(CornerShowsWindow()) << "after 37 and 52";

  ULONGLONG start = ::GetTickCount64();
  Report(44);
  EXPECT_TRUE(Within(start, 100, [&] { return CornerShows(IDB_DPI_1600); })) << "1600 within 100 ms";
  EXPECT_EQ(CountTopLevelWindows(0), allWindows);
  EXPECT_EQ(CountTopLevelWindows(program.ProcessId()), ownWindows);
  EXPECT_EQ(::GetForegroundWindow(), window.hwnd());
  PumpUntilMs(start, 200);
  EXPECT_TRUE(CornerShows(IDB_DPI_1600)) << "still there at 200 ms";
  PumpUntilMs(start, 400);
  EXPECT_TRUE(CornerShowsWindow()) << "gone at 400 ms";

  // A second step 100 ms after the first replaces the picture (400 is one row
  // shorter: the row under it must be the window's again) and restarts the time.
  start = ::GetTickCount64();
  Report(44);
  ASSERT_TRUE(Within(start, 100, [&] { return CornerShows(IDB_DPI_1600); }));
  PumpUntilMs(start, 100);
  const ULONGLONG second = ::GetTickCount64();
  Report(36);
  // Not pumping for a moment makes the window as slow to repaint as real ones
  // are: had it been asked to repaint now, it would paint over the new picture.
  ::Sleep(40);
  EXPECT_TRUE(Within(second, 100, [&] { return CornerShows(IDB_DPI_400); })) << "400 replaces 1600 without a trace";
  PumpUntilMs(second, 250);
  EXPECT_TRUE(CornerShows(IDB_DPI_400)) << "still there 350 ms after the first step";
  PumpUntilMs(second, 400);
  EXPECT_TRUE(CornerShowsWindow()) << "gone 400 ms after the second step";

  g_repeatTarget = program.Dispatch();
  const UINT_PTR repeat = ::SetTimer(nullptr, 0, 100, RepeatReport);
  PumpFor(150);
  Screenshot("resolution-indicator");
  ::KillTimer(nullptr, repeat);
}

TEST_F(Indicator, CornerRepaintedWhileThePictureShowsEndsWithTheWindowsNewContent) {
  ASSERT_TRUE(program.StartAndWait());
  const ULONGLONG start = ::GetTickCount64();
  Report(48);
  ASSERT_TRUE(Within(start, 100, [&] { return CornerShows(IDB_DPI_2000); }));
  window.Repaint(1);
  // Wine shows what a window painted when it next flushes the window's surface.
  ASSERT_TRUE(PumpUntil([&] { return CornerShowsWindow(); }, 150)) << "the window painted over the picture";
  PumpUntilMs(start, 400);
  // The saved pixels are the old pattern; the window is asked to paint again.
  EXPECT_TRUE(PumpUntil([&] { return CornerShowsWindow(); }, 200)) << "the window's new content, not the saved one";
}

TEST_F(Indicator, ResolutionIsRecordedAsShownOnlyWhereTheKeyExists) {
  ASSERT_TRUE(program.StartAndWait());
  Report(44);
  ASSERT_TRUE(PumpUntil([&] { return CornerShows(IDB_DPI_1600); }, 1000));
  PumpFor(400);
  DWORD dpi = 0;
  EXPECT_FALSE(UserKeyExists(kDpiKey)) << "the key belongs to installation";

  ASSERT_TRUE(CreateUserKey(kDpiKey));
  Report(44);
  EXPECT_TRUE(PumpUntil([&] { return ReadUserDword(kDpiKey, "MouseDpi", &dpi) && dpi == 1600; }, 1000)) << dpi;
  // Levels 0 and 1 record what their pictures show.
  for (auto level : {std::make_pair(36, 400u), std::make_pair(40, 800u), std::make_pair(48, 2000u)}) {
    Report(level.first);
    EXPECT_TRUE(PumpUntil([&] { return ReadUserDword(kDpiKey, "MouseDpi", &dpi) && dpi == level.second; }, 1000))
        << level.first << " recorded " << dpi;
  }
}

TEST_F(Indicator, ThousandsOfStepsLeaveTheProgramsGdiObjectsAsTheyWere) {
  // The count sees a leak: one bitmap of this process left undeleted moves it by one.
  const int before = GdiObjectCount(::GetCurrentProcessId());
  ASSERT_GT(before, 0);
  HBITMAP leaked = ::CreateBitmap(4, 4, 1, 32, nullptr);
  EXPECT_EQ(GdiObjectCount(::GetCurrentProcessId()), before + 1);
  ::DeleteObject(leaked);
  EXPECT_EQ(GdiObjectCount(::GetCurrentProcessId()), before);

  ASSERT_TRUE(CreateUserKey(kDpiKey));
  ASSERT_TRUE(program.StartAndWait());
  // The first pictures may set up what the platform keeps for the screen.
  Report(44);
  Report(48);
  PumpFor(500);
  const int programBefore = GdiObjectCount(program.ProcessId());
  ASSERT_GT(programBefore, 0);

  const ULONGLONG start = ::GetTickCount64();
  constexpr int kSteps = 2000;
  for (int i = 0; i < kSteps - 1; ++i) Report(makerlibs::kResolutionEventCodes[1 + i % 3]);
  Report(36);  // the only 400 of the run: once it is recorded, every step was handled
  DWORD dpi = 0;
  ASSERT_TRUE(PumpUntil([&] { return ReadUserDword(kDpiKey, "MouseDpi", &dpi) && dpi == 400; }, 60000))
      << "2000 steps not handled within a minute";
  const ULONGLONG elapsed = ::GetTickCount64() - start;
  std::printf("%d steps handled in %llu ms\n", kSteps, static_cast<unsigned long long>(elapsed));
  EXPECT_TRUE(PumpUntil([&] { return CornerShowsWindow(); }, 1000));
  EXPECT_EQ(GdiObjectCount(program.ProcessId()), programBefore);
}

TEST_F(Indicator, PictureSitsLeftOfATaskbarDockedAtTheRight) {
  ASSERT_EQ(WorkAreaRightOfNewProgram(), m_screenWidth) << "the probe sees the full screen first";
  ASSERT_TRUE(SetWorkAreaRight(900));
  struct Restore {
    bool pending = true;
    ~Restore() {
      if (pending) SetWorkAreaRight(-1);
    }
  } restore;
  ASSERT_EQ(WorkAreaRightOfNewProgram(), 900);
  ASSERT_TRUE(program.StartAndWait());
  const ULONGLONG start = ::GetTickCount64();
  Report(44);
  // From 800 to the screen's edge: the picture at 824..900, the window around it.
  const int left = 800, width = m_screenWidth - left;
  Pixels expected = Pattern(left, 0, width, kBlockHeight, window.phase());
  const Pixels picture = PictureOverPattern(IDB_DPI_1600, 824, window.phase());
  for (int y = 0; y < kBlockHeight; ++y)
    for (int x = 0; x < kBlockWidth; ++x)
      expected[static_cast<size_t>(y) * width + 824 - left + x] = picture[static_cast<size_t>(y) * kBlockWidth + x];
  EXPECT_TRUE(Within(start, 100, [&] { return SamePixels(Grab(left, 0, width, kBlockHeight), expected, width); }));
  PumpUntilMs(start, 400);
  const Pixels windowOnly = Pattern(left, 0, width, kBlockHeight, window.phase());
  EXPECT_TRUE(SamePixels(Grab(left, 0, width, kBlockHeight), windowOnly, width)) << "gone at 400 ms";
  ASSERT_TRUE(program.Exit());
  restore.pending = false;
  ASSERT_TRUE(SetWorkAreaRight(-1));
  EXPECT_EQ(WorkAreaRightOfNewProgram(), m_screenWidth) << "and back";
}

}  // namespace
