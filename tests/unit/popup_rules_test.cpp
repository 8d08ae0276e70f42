// Where the launcher popup may stand and which page the wheel shows.
#include "launcher/popup_rules.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using launcher::ClampToWorkArea;
using launcher::Point;
using launcher::Rect;

TEST(PopupRules, TheClampKeepsThePopupInsideTheWorkArea) {
  // 1024 x 768 with a 30-pixel taskbar at the bottom, left or top; a popup of 120 x 110.
  const Rect bottomBar{0, 0, 1024, 738}, leftBar{30, 0, 1024, 768}, topBar{0, 30, 1024, 768};
  struct Case {
    Rect area;
    int x, y, cx, cy;
    Point expected;
  };
  const Case cases[] = {
      {bottomBar, 5000, 5000, 120, 110, {904, 628}},  // right edge 1024, bottom edge 738
      {bottomBar, -200, -200, 120, 110, {0, 0}},
      {bottomBar, 300, 200, 120, 110, {300, 200}},  // inside: untouched
      {bottomBar, 0, 0, 120, 110, {0, 0}},          // nothing stored reads as 0, 0
      {leftBar, -200, 5000, 120, 110, {30, 658}},
      {topBar, 5000, -200, 120, 110, {904, 30}},
      {bottomBar, 100, 100, 2000, 110, {0, 100}},    // wider than the work area: at its left edge
      {bottomBar, 100, -50, 120, 1000, {100, -262}},  // taller: at its bottom edge
      {bottomBar, INT_MAX, INT_MIN, 120, 110, {904, 0}},
  };
  for (const Case& c : cases) {
    const Point p = ClampToWorkArea(c.x, c.y, c.cx, c.cy, c.area);
    EXPECT_EQ(p.x, c.expected.x) << c.x << "," << c.y;
    EXPECT_EQ(p.y, c.expected.y) << c.x << "," << c.y;
  }
}

TEST(PopupRules, TheWheelAlternatesOverTheWholeRunStartingWithTheUserPage) {
  launcher::WheelPager pager;
  EXPECT_EQ(pager.Next(), 0);  // the user page
  EXPECT_EQ(pager.Next(), 1);  // the predefined page
  EXPECT_EQ(pager.Next(), 0);
  // A popup closed on the user page and a new one opened: the run goes on.
  EXPECT_EQ(pager.Next(), 1);
  EXPECT_EQ(pager.Next(), 0);
}

}  // namespace
