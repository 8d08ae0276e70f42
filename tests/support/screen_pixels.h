// What is on the screen, for tests of pictures that a program paints: a window
// with known pixels to paint over, the screen read back through GDI, pixel
// comparisons, and counts of a process's windows and GDI objects.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/support/wine_support.h"

namespace testsupport {

// Pixels as 0x00RRGGBB, rows top-down.
using Pixels = std::vector<std::uint32_t>;

// A known colour for every screen pixel; another `phase` gives other colours.
std::uint32_t PatternAt(int x, int y, int phase);
// The pattern in a screen rectangle.
Pixels Pattern(int left, int top, int width, int height, int phase);

// A topmost window over the whole screen that paints the pattern.
class PatternWindow {
 public:
  PatternWindow();
  HWND hwnd() const { return m_window.hwnd(); }
  int phase() const { return m_phase; }
  // Paints another pattern at once, as a window that updates its content.
  void Repaint(int phase);

 private:
  void Paint(HDC dc) const;
  int m_phase = 0;
  Pixels m_bits;
  TestWindow m_window;  // last: it paints m_bits from its creation on
};

// What the screen shows in the rectangle, read as any screen grabber reads it.
Pixels Grab(int left, int top, int width, int height);
// A bitmap resource of `module`; empty when there is none.
Pixels BitmapPixels(HMODULE module, int bitmapId, int* width, int* height);
// Equal pixels, or how many differ and where the first one is.
testing::AssertionResult SamePixels(const Pixels& actual, const Pixels& expected, int width);

// Top-level windows of the process, or of all processes for pid 0.
inline int CountTopLevelWindows(DWORD pid) { return static_cast<int>(TopLevelWindows(pid).size()); }
// GDI objects the process holds; -1 when they cannot be counted.
int GdiObjectCount(DWORD pid);

}  // namespace testsupport
