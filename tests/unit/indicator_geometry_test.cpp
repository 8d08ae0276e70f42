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
#include "res/resource.h"

namespace {

using actions::ScreenRect;

// The block is what the pictures cover: every picture as wide as it, the tallest as tall.
constexpr int kW = actions::kIndicatorWidth;
constexpr int kH = actions::kIndicatorHeight;

struct BlockCase {
  const char* what;
  int workAreaRight;
  int screenWidth;
  int screenHeight;
  ScreenRect clipped;
};

const BlockCase kBlocks[] = {
    {"work area is the whole screen", 1024, 1024, 768, {1024 - kW, 0, 1024, kH}},
    {"taskbar docked at the right", 900, 1024, 768, {900 - kW, 0, 900, kH}},
    {"work area narrower than the picture", kW - 26, 1024, 768, {0, 0, kW - 26, kH}},
    {"screen lower than the picture", 1024, 1024, kH - 38, {1024 - kW, 0, 1024, kH - 38}},
    {"work area ends at the screen's left edge", 0, 1024, 768, {}},
    {"work area starts beyond the screen", 1100, 1024, 768, {}},
    {"no screen at all", 1024, 0, 0, {}},
};

TEST(IndicatorGeometry, BlockSitsAtTheTopRightOfTheWorkAreaClippedToTheScreen) {
  for (const BlockCase& c : kBlocks) {
    const ScreenRect block = actions::IndicatorBlock(c.workAreaRight);
    EXPECT_EQ(block, (ScreenRect{c.workAreaRight - kW, 0, c.workAreaRight, kH})) << c.what;
    const ScreenRect clipped = actions::ClipToScreen(block, c.screenWidth, c.screenHeight);
    EXPECT_EQ(clipped, c.clipped) << c.what;
    EXPECT_EQ(clipped.Empty(), c.clipped.Empty()) << c.what;
  }
}

// Reads width and height from a .bmp file's header; 0, 0 when it cannot.
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

TEST(IndicatorGeometry, BlockIsWhatTheDrawnPicturesCover) {
  int tallest = 0;
  for (int level = 0; level < 4; ++level) {
    const auto picture = actions::LevelPictureOf(level);
    ASSERT_TRUE(picture.has_value()) << level;
    const auto size = BitmapSize(std::string(ZYFO_SOURCE_DIR "/res/art/bitmap_") + std::to_string(picture->bitmapId) + ".bmp");
    EXPECT_EQ(size.first, kW) << level;
    EXPECT_GT(size.second, 0) << level;
    tallest = std::max(tallest, size.second);
  }
  EXPECT_EQ(tallest, kH);
}

TEST(IndicatorGeometry, EmptinessNeedsAreaInBothDirections) {
  EXPECT_FALSE((ScreenRect{0, 0, 1, 1}).Empty());
  EXPECT_TRUE((ScreenRect{5, 0, 5, kH}).Empty());
  EXPECT_TRUE((ScreenRect{0, 7, kW, 7}).Empty());
  EXPECT_TRUE((ScreenRect{10, 0, 4, kH}).Empty());
}

struct LevelCase {
  int eventCode;
  int bitmapId;
  int dpi;
};

// The picture of each reported level and the resolution it shows and records.
const LevelCase kLevels[] = {
    {36, 291, 400},
    {40, 293, 800},
    {44, 290, 1600},
    {48, 292, 2000},
};

TEST(IndicatorGeometry, EachLevelReportHasItsPictureAndTheResolutionItShows) {
  static_assert(IDB_DPI_400 == 291 && IDB_DPI_800 == 293 && IDB_DPI_1600 == 290 && IDB_DPI_2000 == 292);
  for (int level = 0; level < 4; ++level) {
    const LevelCase& c = kLevels[level];
    EXPECT_EQ(makerlibs::ResolutionLevelOfEventCode(c.eventCode), level);
    const auto picture = actions::LevelPictureOf(level);
    ASSERT_TRUE(picture.has_value()) << level;
    EXPECT_EQ(picture->bitmapId, c.bitmapId) << level;
    EXPECT_EQ(picture->dpi, c.dpi) << level;
  }
}

TEST(IndicatorGeometry, OnlyTheFourLevelReportsCount) {
  for (int eventCode : {0, 8, 12, 13, 14, 16, 32, 35, 37, 38, 41, 52, -36})
    EXPECT_EQ(makerlibs::ResolutionLevelOfEventCode(eventCode), -1) << eventCode;
  for (int level : {-1, 4, 36})
    EXPECT_FALSE(actions::LevelPictureOf(level).has_value()) << level;
}

}  // namespace
