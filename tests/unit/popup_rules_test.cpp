// Where the launcher popup may stand and which page the wheel shows.
#include "launcher/popup_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

TEST(PopupRules, TheClampTakesTheWorkAreaOfTheMonitorNearestThePopup) {
  using launcher::Monitor;
  // The primary 1024 x 768 with a 30-pixel taskbar at the bottom, and a second 800 x 600 beside it,
  // below it, left of it or above it (negative coordinates); the popup is 120 x 110 unless a row says.
  const Monitor primary{{0, 0, 1024, 768}, {0, 0, 1024, 738}};
  const Monitor right{{1024, 0, 1824, 600}, {1024, 0, 1824, 600}};
  const Monitor below{{0, 768, 800, 1368}, {0, 768, 800, 1338}};
  const Monitor left{{-800, 100, 0, 700}, {-800, 100, 0, 700}};
  const Monitor above{{100, -600, 900, 0}, {100, -570, 900, 0}};  // its taskbar at the top
  struct Case {
    const char* what;
    std::vector<Monitor> monitors;
    int x, y, expectedX, expectedY;
    int cx = 120, cy = 110;
  };
  const Case cases[] = {
      {"on the second, side by side", {primary, right}, 1300, 200, 1300, 200},
      {"dragged past the second's right edge", {primary, right}, 1750, 200, 1704, 200},
      {"mostly on the second, below its bottom", {primary, right}, 1100, 550, 1100, 490},
      {"across both, mostly on the primary", {primary, right}, 950, 100, 904, 100},
      {"stacked: on the one below", {primary, below}, 300, 1300, 300, 1228},
      {"left of the primary, negative x", {primary, left}, -500, 300, -500, 300},
      {"left of the primary, above its top", {primary, left}, -500, 50, -500, 100},
      {"above the primary, under its taskbar", {primary, above}, 400, -590, 400, -570},
      {"on a monitor that is gone: back on the nearest", {primary}, -500, 300, 0, 300},
      {"gone, far above and right", {primary, right}, 3000, -900, 1704, 0},
      {"no monitors: left as it is", {}, -500, 300, -500, 300},
      {"wider than the work area: at its left edge", {primary}, 100, 100, 0, 100, 2000, 110},
      {"taller than the work area: at its bottom edge", {primary}, 100, -50, 100, -262, 120, 1000},
      {"as far out as an int goes", {primary}, INT_MAX, INT_MIN, 904, 0},
  };
  for (const Case& c : cases) {
    const launcher::Point p = launcher::ClampToNearestWorkArea(c.x, c.y, c.cx, c.cy, c.monitors);
    EXPECT_TRUE(p.x == c.expectedX && p.y == c.expectedY) << c.what << ": " << p.x << "," << p.y;
  }
}

TEST(PopupRules, TheIconPlacesFitTheirIconsAndTheGridFillsThePopup) {
  const launcher::IconGrid grid = launcher::LayoutIconGrid(48, 1, 3, 8);  // 150 %
  EXPECT_EQ(grid.place, 50);
  EXPECT_EQ(grid.left[2], 8 + 2 * 53);
  EXPECT_EQ(grid.top[1], 8 + 53);
  EXPECT_EQ(grid.clientHeight, grid.top[2] + grid.place + 8) << "no empty strip below the grid";
  EXPECT_EQ(grid.clientWidth, grid.clientHeight);
}

TEST(PopupRules, TheWheelTurnsOncePerWholeNotchInEitherDirectionAndThePagesAlternateOverTheRun) {
  const std::vector<std::pair<std::vector<int>, int>> cases = {
      {std::vector<int>(10, 12), 1},  // a touchpad's notch
      {std::vector<int>(9, 12), 0},
      {{-120}, 1},
      {{120, -120}, 2},     // back again
      {{60, -60, -60}, 1},  // turning the other way starts the count afresh
      {{200, 40}, 2},
      {{32767, -32768}, 546},
  };
  for (const auto& [deltas, turns] : cases) {
    launcher::WheelNotches notches;
    int n = 0;
    for (int delta : deltas) n += notches.Add(delta);
    EXPECT_EQ(n, turns) << deltas.size() << " messages from " << deltas[0];
  }
  // The user page first, and the run goes on from one popup to the next.
  launcher::WheelPager pager;
  std::vector<int> pages;
  for (int i = 0; i < 5; ++i) pages.push_back(pager.Next());
  EXPECT_EQ(pages, (std::vector<int>{0, 1, 0, 1, 0}));
}

}  // namespace
