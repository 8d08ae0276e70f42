// Where the resolution picture goes, and which picture and resolution belong to
// which report.
#include "actions/indicator_geometry.h"

#include <gtest/gtest.h>

#include "makerlibs/include/maker_contract.h"

namespace {

using actions::ScreenRect;

TEST(IndicatorGeometry, TheBlockSitsAtTheTopRightOfTheWorkAreaClippedToTheScreen) {
  struct Case { const char* what; int workAreaRight, screenWidth, screenHeight; ScreenRect clipped; };
  const Case cases[] = {
      {"work area is the whole screen", 1024, 1024, 768, {948, 0, 1024, 98}},
      {"taskbar docked at the right", 900, 1024, 768, {824, 0, 900, 98}},
      {"work area narrower than the picture", 50, 1024, 768, {0, 0, 50, 98}},
      {"screen lower than the picture", 1024, 1024, 60, {948, 0, 1024, 60}},
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

}  // namespace
