#include "actions/indicator_geometry.h"

#include <algorithm>
#include <iterator>

#include "res/resource.h"

namespace actions {

std::optional<LevelPicture> LevelPictureOf(int level) {
  // Levels 0 and 1 record what their pictures show (400, 800), like levels 2 and 3,
  // so that an outside reader of "MouseDpi" sees the resolution the user saw.
  static constexpr LevelPicture kLevels[] = {
      {IDB_DPI_400, 400},
      {IDB_DPI_800, 800},
      {IDB_DPI_1600, 1600},
      {IDB_DPI_2000, 2000},
  };
  if (level < 0 || level >= static_cast<int>(std::size(kLevels))) return std::nullopt;
  return kLevels[level];
}

ScreenRect IndicatorBlock(const ScreenRect& workArea, int width, int height) {
  return ScreenRect{workArea.right - width, workArea.top, workArea.right, workArea.top + height};
}

ScreenRect ClipToScreen(const ScreenRect& rect, int screenWidth, int screenHeight) {
  ScreenRect clipped{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, screenWidth),
                     std::min(rect.bottom, screenHeight)};
  if (clipped.Empty()) return ScreenRect{};
  return clipped;
}

}  // namespace actions
