// Where the resolution picture goes, and which picture and resolution belong to
// which report.
#include "actions/indicator_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "makerlibs/include/maker_contract.h"

namespace {

using actions::ScreenRect;
constexpr int kW = actions::kIndicatorWidth;
constexpr int kH = actions::kIndicatorHeight;

TEST(IndicatorGeometry, TheBlockSitsAtTheTopRightOfTheWorkAreaClippedToTheScreen) {
  struct Case { const char* what; int workAreaRight, screenWidth, screenHeight; ScreenRect clipped; };
  const Case cases[] = {
      {"work area is the whole screen", 1024, 1024, 768, {1024 - kW, 0, 1024, kH}},
      {"taskbar docked at the right", 900, 1024, 768, {900 - kW, 0, 900, kH}},
      {"work area narrower than the picture", kW - 26, 1024, 768, {0, 0, kW - 26, kH}},
      {"screen lower than the picture", 1024, 1024, kH - 38, {1024 - kW, 0, 1024, kH - 38}},
      {"work area ends at the screen's left edge", 0, 1024, 768, {}},
      {"work area starts beyond the screen", 1100, 1024, 768, {}},
      {"a screen without height", 1024, 1024, 0, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(actions::ClipToScreen(actions::IndicatorBlock(c.workAreaRight), c.screenWidth, c.screenHeight), c.clipped)
        << c.what;
  }
}

TEST(IndicatorGeometry, EachLevelReportHasItsPictureAndTheResolutionItShows) {
  struct Case { int eventCode, bitmapId, dpi; };
  const Case levels[] = {{36, 291, 400}, {40, 293, 800}, {44, 290, 1600}, {48, 292, 2000}};
  for (int level = 0; level < 4; ++level) {
    EXPECT_EQ(makerlibs::ResolutionLevelOfEventCode(levels[level].eventCode), level);
    const auto picture = actions::LevelPictureOf(level);
    ASSERT_TRUE(picture.has_value()) << level;
    EXPECT_EQ(picture->bitmapId, levels[level].bitmapId) << level;
    EXPECT_EQ(picture->dpi, levels[level].dpi) << level;
  }
  for (int eventCode : {0, 12, 32, 35, 37, 52, -36}) EXPECT_EQ(makerlibs::ResolutionLevelOfEventCode(eventCode), -1);
  for (int level : {-1, 4}) EXPECT_FALSE(actions::LevelPictureOf(level).has_value()) << level;
}

// Width and height from a .bmp file's header; 0, 0 when it cannot be read.
std::pair<int, int> BitmapSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  unsigned char header[26] = {};
  if (!in.read(reinterpret_cast<char*>(header), sizeof header) || header[0] != 'B' || header[1] != 'M') return {0, 0};
  auto at = [&](std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) value = value << 8 | header[offset + i];
    return static_cast<std::int32_t>(value);
  };
  return {at(18), std::abs(at(22))};
}

// The block is what the drawn pictures cover: each as wide as it, the tallest as tall.
TEST(IndicatorGeometry, BlockIsWhatTheDrawnPicturesCover) {
  int tallest = 0;
  for (int level = 0; level < 4; ++level) {
    const auto picture = actions::LevelPictureOf(level);
    ASSERT_TRUE(picture.has_value()) << level;
    const auto size = BitmapSize(std::string(ZYFO_SOURCE_DIR "/res/art/bitmap_") + std::to_string(picture->bitmapId) + ".bmp");
    EXPECT_EQ(size.first, kW) << level;
    tallest = std::max(tallest, size.second);
  }
  EXPECT_EQ(tallest, kH);
}

}  // namespace
