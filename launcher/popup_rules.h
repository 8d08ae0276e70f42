// The Hot Button popup's rules that need no window: where it may stand, and
// which of its two pages the next notch of the wheel shows. Portable.
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

// Wheels that send many small steps per notch (touchpads, free-spinning
// wheels) must not turn a page per message: whole notches of 120 are counted,
// in either direction; turning the other way starts the count afresh.
class WheelNotches {
 public:
  // How many whole notches this message completes.
  int Add(int delta);

 private:
  int m_pending = 0;
};

// The page turned to by the next whole notch, kept for the whole run of the
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
