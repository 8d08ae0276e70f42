// The Hot Button popup's rules that need no window: where it may stand, and
// which of its two pages the next notch of the wheel shows. Portable.
#pragma once

#include <vector>

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

struct Monitor {
  Rect area;      // the whole monitor, in the virtual screen's coordinates (left of or above the primary: negative)
  Rect workArea;  // without its taskbars
};

// The monitor MonitorFromRect(MONITOR_DEFAULTTONEAREST) takes for a window
// rectangle: the one it overlaps most, else the closest; the first of equals.
// Null for no monitors.
const Monitor* NearestMonitor(const Rect& window, const std::vector<Monitor>& monitors);

// The clamp on a desktop of several monitors: into the work area of the
// monitor nearest to the proposed rectangle, so that a position on a monitor
// that is gone comes back to the nearest one. Without monitors, unchanged.
Point ClampToNearestWorkArea(int x, int y, int cx, int cy, const std::vector<Monitor>& monitors);

// The popup's 3 x 3 icon places, laid out for icons of `iconPx` with a frame
// of `borderPx` around each, `gapPx` between them and `marginPx` around the
// grid: each place fits its icon, and the client area fits the grid, with no
// empty strip at any scale.
struct IconGrid {
  int place = 0;               // width and height of one place, its frame included
  int left[3] = {}, top[3] = {};  // of the columns and rows, in client coordinates
  int clientWidth = 0, clientHeight = 0;
};
IconGrid LayoutIconGrid(int iconPx, int borderPx, int gapPx, int marginPx);

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
