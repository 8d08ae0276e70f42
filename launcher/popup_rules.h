// The Hot Button popup's rules that need no window: where it may stand, and
// which of its two pages the next wheel message shows. Portable.
#pragma once

namespace launcher {

struct Rect {
  int left, top, right, bottom;
};

struct Point {
  int x, y;
};

// Keeps a window of size cx x cy proposed at (x, y) inside the work area: a
// window wider than the work area sits at its left edge, one taller than it at
// its bottom edge.
Point ClampToWorkArea(int x, int y, int cx, int cy, const Rect& workArea);

// The page shown by the next wheel message, kept for the whole run of the
// program (not reset when a popup opens): 0 the user page, 1 the predefined
// page, alternating from 0.
class WheelPager {
 public:
  // The page to show now; the one after it comes next time.
  int Next();

 private:
  int m_page = 0;
};

}  // namespace launcher
