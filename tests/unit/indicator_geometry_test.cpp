// Where the resolution picture goes, and which picture and resolution belong to
// which report.
#include "actions/indicator_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "makerlibs/include/maker_contract.h"
#include "tests/unit/committed_art.h"

namespace {

using actions::ScreenRect;
constexpr int kW = actions::kIndicatorWidth;
constexpr int kH = actions::kIndicatorHeight;

TEST(IndicatorGeometry, TheBlockSitsAtTheTopRightOfTheWorkAreaClippedToTheScreen) {
  struct Case { const char* what; ScreenRect workArea; int width, height, screenWidth, screenHeight; ScreenRect clipped; };
  const Case cases[] = {
      {"work area is the whole screen", {0, 0, 1024, 768}, kW, kH, 1024, 768, {1024 - kW, 0, 1024, kH}},
      {"taskbar docked at the right", {0, 0, 900, 768}, kW, kH, 1024, 768, {900 - kW, 0, 900, kH}},
      {"taskbar docked at the top", {0, 30, 1024, 768}, kW, kH, 1024, 768, {1024 - kW, 30, 1024, 30 + kH}},
      {"the 1.5x picture under a top taskbar", {0, 45, 1536, 1152}, 114, 147, 1536, 1152, {1422, 45, 1536, 192}},
      {"the 2x picture one row shorter", {0, 0, 2048, 1536}, 152, 194, 2048, 1536, {1896, 0, 2048, 194}},
      {"work area narrower than the picture", {0, 0, kW - 26, 768}, kW, kH, 1024, 768, {0, 0, kW - 26, kH}},
      {"screen lower than the picture", {0, 0, 1024, 768}, kW, kH, 1024, kH - 38, {1024 - kW, 0, 1024, kH - 38}},
      {"work area ends at the screen's left edge", {-800, 0, 0, 600}, kW, kH, 1024, 768, {}},
      {"work area starts beyond the screen", {1024, 0, 1100, 768}, kW, kH, 1024, 768, {}},
      {"a screen without height", {0, 0, 1024, 768}, kW, kH, 1024, 0, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(actions::ClipToScreen(actions::IndicatorBlock(c.workArea, c.width, c.height), c.screenWidth,
                                    c.screenHeight),
              c.clipped)
        << c.what;
  }
}

// The block is what the drawn pictures cover: each as wide as it, the tallest as tall.
TEST(IndicatorGeometry, EachLevelReportHasItsPictureAndTheResolutionItShowsAndTheBlockCoversThePictures) {
  struct Case { int eventCode, bitmapId, dpi; };
  const Case levels[] = {{36, 291, 400}, {40, 293, 800}, {44, 290, 1600}, {48, 292, 2000}};
  int tallest = 0;
  for (int level = 0; level < 4; ++level) {
    EXPECT_EQ(makerlibs::ResolutionLevelOfEventCode(levels[level].eventCode), level);
    const auto picture = actions::LevelPictureOf(level);
    ASSERT_TRUE(picture.has_value()) << level;
    EXPECT_EQ(picture->bitmapId, levels[level].bitmapId) << level;
    EXPECT_EQ(picture->dpi, levels[level].dpi) << level;
    const auto size = testsupport::CommittedBitmapSize(picture->bitmapId);
    EXPECT_EQ(size.first, kW) << level;
    tallest = std::max(tallest, size.second);
  }
  EXPECT_EQ(tallest, kH);
  for (int eventCode : {0, 12, 32, 35, 37, 52, -36}) EXPECT_EQ(makerlibs::ResolutionLevelOfEventCode(eventCode), -1);
  for (int level : {-1, 4}) EXPECT_FALSE(actions::LevelPictureOf(level).has_value()) << level;
}

}  // namespace
