// Where the launcher popup may stand and which page the wheel shows.
#include "launcher/popup_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

using launcher::Rect;

TEST(PopupRules, TheClampKeepsThePopupInsideTheWorkArea) {
  // 1024 x 768 with a 30-pixel taskbar at the bottom, left or top; a popup of 120 x 110.
  const Rect bottomBar{0, 0, 1024, 738}, leftBar{30, 0, 1024, 768}, topBar{0, 30, 1024, 768};
  struct Case {
    Rect area;
    int x, y, cx, cy, expectedX, expectedY;
  };
  const Case cases[] = {
      {bottomBar, 5000, 5000, 120, 110, 904, 628},  // right edge 1024, bottom edge 738
      {bottomBar, -200, -200, 120, 110, 0, 0},
      {bottomBar, 300, 200, 120, 110, 300, 200},  // inside: untouched
      {leftBar, -200, 5000, 120, 110, 30, 658},
      {topBar, 5000, -200, 120, 110, 904, 30},
      {bottomBar, 100, 100, 2000, 110, 0, 100},     // wider than the work area: at its left edge
      {bottomBar, 100, -50, 120, 1000, 100, -262},  // taller: at its bottom edge
      {bottomBar, INT_MAX, INT_MIN, 120, 110, 904, 0},
  };
  for (const Case& c : cases) {
    const launcher::Point p = launcher::ClampToWorkArea(c.x, c.y, c.cx, c.cy, c.area);
    EXPECT_TRUE(p.x == c.expectedX && p.y == c.expectedY) << c.x << "," << c.y << " -> " << p.x << "," << p.y;
  }
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
