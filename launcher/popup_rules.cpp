#include "launcher/popup_rules.h"

#include <algorithm>
#include <climits>

namespace launcher {

Point ClampToWorkArea(int x, int y, int cx, int cy, const Rect& workArea) {
  // Wide arithmetic: a stored position may be anything an outside tool wrote.
  long long px = x, py = y;
  if (px + cx > workArea.right) px = static_cast<long long>(workArea.right) - cx;
  if (px < workArea.left) px = workArea.left;
  if (py < workArea.top) py = workArea.top;
  if (py + cy > workArea.bottom) py = static_cast<long long>(workArea.bottom) - cy;
  return {static_cast<int>(px), static_cast<int>(py)};
}

namespace {
long long Overlap(const Rect& a, const Rect& b) {
  const long long w = static_cast<long long>(std::min(a.right, b.right)) - std::max(a.left, b.left);
  const long long h = static_cast<long long>(std::min(a.bottom, b.bottom)) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}
long long Gap(int lowEnd, int highStart) { return std::max(0LL, static_cast<long long>(highStart) - lowEnd); }
long long SquaredDistance(const Rect& a, const Rect& b) {
  const long long dx = std::max(Gap(a.right, b.left), Gap(b.right, a.left));
  const long long dy = std::max(Gap(a.bottom, b.top), Gap(b.bottom, a.top));
  return dx * dx + dy * dy;
}
}  // namespace

const Monitor* NearestMonitor(const Rect& window, const std::vector<Monitor>& monitors) {
  const Monitor* best = nullptr;
  long long bestOverlap = 0;
  for (const Monitor& m : monitors) {
    const long long overlap = Overlap(window, m.area);
    if (overlap > bestOverlap) best = &m, bestOverlap = overlap;
  }
  if (best) return best;
  long long bestDistance = 0;
  for (const Monitor& m : monitors) {
    const long long distance = SquaredDistance(window, m.area);
    if (!best || distance < bestDistance) best = &m, bestDistance = distance;
  }
  return best;
}

Point ClampToNearestWorkArea(int x, int y, int cx, int cy, const std::vector<Monitor>& monitors) {
  // Wide arithmetic again: the proposed rectangle may reach past the int range.
  const auto edge = [](long long v) {
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
  };
  const Monitor* nearest = NearestMonitor(Rect{x, y, edge(static_cast<long long>(x) + cx), edge(static_cast<long long>(y) + cy)}, monitors);
  if (!nearest) return {x, y};
  return ClampToWorkArea(x, y, cx, cy, nearest->workArea);
}

IconGrid LayoutIconGrid(int iconPx, int borderPx, int gapPx, int marginPx) {
  IconGrid grid;
  grid.place = iconPx + 2 * borderPx;
  for (int i = 0; i < 3; ++i) grid.left[i] = grid.top[i] = marginPx + i * (grid.place + gapPx);
  grid.clientWidth = grid.clientHeight = 2 * marginPx + 3 * grid.place + 2 * gapPx;
  return grid;
}

int WheelNotches::Add(int delta) {
  constexpr int kNotch = 120;  // WHEEL_DELTA
  if ((delta > 0 && m_pending < 0) || (delta < 0 && m_pending > 0)) m_pending = 0;
  // Wide arithmetic: a posted message may carry any delta.
  const long long pending = static_cast<long long>(m_pending) + delta;
  const long long notches = pending / kNotch;
  m_pending = static_cast<int>(pending % kNotch);
  return static_cast<int>(notches < 0 ? -notches : notches);
}

int WheelPager::Next() {
  const int page = m_page;
  ++m_page;
  if (m_page < 0) m_page = 1;
  if (m_page > 1) m_page = 0;
  return page;
}

}  // namespace launcher
