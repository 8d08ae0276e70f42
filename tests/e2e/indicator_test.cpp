// The resolution picture of the real program, seen on the screen as a user sees
// it: level reports posted to the dispatch window as the device library of a
// mouse with resolution buttons would post them, the screen read back through
// GDI and compared with the program's own pictures.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "actions/indicator_geometry.h"
#include "makerlibs/include/maker_contract.h"
#include "res/identity.h"
#include "res/resource.h"
#include "tests/support/scenario.h"
#include "tests/support/screen_pixels.h"

using namespace testsupport;

namespace e2e {
namespace {

const std::string kDpiKey = Section(settings::kSectionDpi);
constexpr int kBlockWidth = actions::kIndicatorWidth;
constexpr int kBlockHeight = actions::kIndicatorHeight;

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

class Indicator : public Scenario {
 protected:
  void SetUp() override {
    Scenario::SetUp();
    screen.reset();  // the pattern window is what the picture covers
    m_screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
  }

  void Report(LPARAM eventCode) { Post(makerlibs::WM_MOUSEBTN_UP, eventCode); }

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
  bool Recorded(DWORD dpi) const {
    DWORD stored = 0;
    return PumpUntil([&] { return ReadUserDword(kDpiKey, settings::kValueMouseDpi, &stored) && stored == dpi; }, 1000);
  }

  PatternWindow window;
  int m_screenWidth = 0;
};

TEST_F(Indicator, StepsShowTheirPictureFor300MsRecordTheLevelAndLeakNothing) {
  // The count sees a leak: one bitmap of this process left undeleted moves it by one.
  const int own = GdiObjectCount(::GetCurrentProcessId());
  ASSERT_GT(own, 0);
  HBITMAP leaked = ::CreateBitmap(4, 4, 1, 32, nullptr);
  EXPECT_EQ(GdiObjectCount(::GetCurrentProcessId()), own + 1);
  ::DeleteObject(leaked);

  Start();
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
  EXPECT_EQ(CountTopLevelWindows(0), allWindows) << "painted without a window";
  EXPECT_EQ(CountTopLevelWindows(program.ProcessId()), ownWindows);
  EXPECT_EQ(::GetForegroundWindow(), window.hwnd());
  PumpUntilMs(start, 200);
  EXPECT_TRUE(CornerShows(IDB_DPI_1600)) << "still there at 200 ms";
  PumpUntilMs(start, 400);
  EXPECT_TRUE(CornerShowsWindow()) << "gone at 400 ms";
  EXPECT_FALSE(UserKeyExists(kDpiKey)) << "the section belongs to installation";

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

  // The corner repainted while the picture shows ends with the window's new
  // content, not with the pixels saved before.
  start = ::GetTickCount64();
  Report(48);
  ASSERT_TRUE(Within(start, 100, [&] { return CornerShows(IDB_DPI_2000); }));
  window.Repaint(1);
  ASSERT_TRUE(PumpUntil([&] { return CornerShowsWindow(); }, 150)) << "the window painted over the picture";
  PumpUntilMs(start, 400);
  EXPECT_TRUE(PumpUntil([&] { return CornerShowsWindow(); }, 200));

  // With its section, every level is recorded as its picture shows it.
  ASSERT_TRUE(CreateUserKey(kDpiKey));
  for (auto level : {std::make_pair(44, 1600u), std::make_pair(36, 400u), std::make_pair(40, 800u),
                     std::make_pair(48, 2000u)}) {
    Report(level.first);
    EXPECT_TRUE(Recorded(level.second)) << level.first;
  }

  // Hundreds of steps leave the program's GDI objects as they were.
  PumpFor(500);
  const int programBefore = GdiObjectCount(program.ProcessId());
  ASSERT_GT(programBefore, 0);
  for (int i = 0; i < 599; ++i) Report(makerlibs::kResolutionEventCodes[1 + i % 3]);
  Report(36);  // the only 400 of the run: once it is recorded, every step was handled
  EXPECT_TRUE(PumpUntil([&] { return Recorded(400); }, 30000));
  EXPECT_TRUE(PumpUntil([&] { return CornerShowsWindow(); }, 1000));
  EXPECT_EQ(GdiObjectCount(program.ProcessId()), programBefore);
}

}  // namespace
}  // namespace e2e
