// The resolution indicator's portable rules: which picture and which recorded
// resolution belong to each resolution level, and which screen rectangle the
// picture covers. Portable: no Windows headers.
#pragma once

#include <optional>

#include "res/resource.h"

namespace actions {

// Screen rectangle, right and bottom exclusive, as the platform's RECT.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  bool operator==(const ScreenRect& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
};

// The block: what the tallest picture covers, flush with the right edge of the
// work area (left of a taskbar docked there) and at the top of the screen.
constexpr int kIndicatorWidth = IDB_DPI_BLOCK_WIDTH;
constexpr int kIndicatorHeight = IDB_DPI_BLOCK_HEIGHT;

// How long a picture stays, and the dispatch window's timer that takes it away.
constexpr unsigned kIndicatorShowMs = 300;
constexpr unsigned kIndicatorTimerId = 1;

struct LevelPicture {
  int bitmapId;  // bitmap resource
  int dpi;       // shown on the picture and recorded as "MouseDpi"
};

// Level 0..3 as the mouse reports it; nothing for any other value.
std::optional<LevelPicture> LevelPictureOf(int level);

// The block for a work area whose right edge is `workAreaRight`, not yet clipped.
ScreenRect IndicatorBlock(int workAreaRight);

// The part of `rect` that lies on a screen of the given size (possibly empty).
ScreenRect ClipToScreen(const ScreenRect& rect, int screenWidth, int screenHeight);

}  // namespace actions
