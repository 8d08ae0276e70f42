// Where the resolution picture goes, and which picture and resolution belong to
// which report.
#include "actions/indicator_geometry.h"

#include <gtest/gtest.h>

#include "makerlibs/include/maker_contract.h"
#include "res/resource.h"

namespace {

using actions::ScreenRect;

struct BlockCase {
  const char* what;
  int workAreaRight;
  int screenWidth;
  int screenHeight;
  ScreenRect clipped;
};

const BlockCase kBlocks[] = {
    {"work area is the whole screen", 1024, 1024, 768, {948, 0, 1024, 98}},
    {"taskbar docked at the right", 900, 1024, 768, {824, 0, 900, 98}},
    {"work area narrower than the picture", 50, 1024, 768, {0, 0, 50, 98}},
    {"screen lower than the picture", 1024, 1024, 60, {948, 0, 1024, 60}},
    {"work area ends at the screen's left edge", 0, 1024, 768, {}},
    {"work area starts beyond the screen", 1100, 1024, 768, {}},
    {"no screen at all", 1024, 0, 0, {}},
};

TEST(IndicatorGeometry, BlockSitsAtTheTopRightOfTheWorkAreaClippedToTheScreen) {
  for (const BlockCase& c : kBlocks) {
    const ScreenRect block = actions::IndicatorBlock(c.workAreaRight);
    EXPECT_EQ(block, (ScreenRect{c.workAreaRight - 76, 0, c.workAreaRight, 98})) << c.what;
    const ScreenRect clipped = actions::ClipToScreen(block, c.screenWidth, c.screenHeight);
    EXPECT_EQ(clipped, c.clipped) << c.what;
    EXPECT_EQ(clipped.Empty(), c.clipped.Empty()) << c.what;
  }
}

TEST(IndicatorGeometry, EmptinessNeedsAreaInBothDirections) {
  EXPECT_FALSE((ScreenRect{0, 0, 1, 1}).Empty());
  EXPECT_TRUE((ScreenRect{5, 0, 5, 98}).Empty());
  EXPECT_TRUE((ScreenRect{0, 7, 76, 7}).Empty());
  EXPECT_TRUE((ScreenRect{10, 0, 4, 98}).Empty());
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
