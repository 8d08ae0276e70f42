#include "launcher/popup_rules.h"

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
