// Which drawn size of a picture or icon is shown at each display scale, and
// that the generator drew the sizes the choice counts on.
#include "framework/art_scale.h"

#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/unit/committed_art.h"

namespace {

TEST(ArtScale, IconsComeFromTheNearestImageThatIsNotSmaller) {
  struct Case { int dpi, basePx, shownPx, imagePx; };
  const Case cases[] = {
      {96, 16, 16, 16}, {120, 16, 20, 20}, {144, 16, 24, 24}, {168, 16, 28, 32}, {192, 16, 32, 32},
      {120, 32, 40, 40}, {144, 32, 48, 48}, {168, 32, 56, 64},
      {288, 32, 96, 64},  // beyond the largest image: shown at its own size, never blown up
      {0, 32, 32, 32},    // a failed DPI query counts as 96
  };
  for (const Case& c : cases) {
    const int shown = fw::ScaleToDpi(c.basePx, c.dpi);
    EXPECT_EQ(shown, c.shownPx) << c.dpi << " dpi, " << c.basePx << " px";
    EXPECT_EQ(fw::IconImageFor(shown), c.imagePx) << c.dpi << " dpi, " << c.basePx << " px";
  }
}

TEST(ArtScale, PicturesComeFromTheNearestLargerDrawingScaledDownNeverUp) {
  struct Case { int dpi, variant, width, height; };
  // The Buttons page's mouse, 135 x 109 at 1x: 202 x 163 at 1.5x, 270 x 218 at 2x.
  const Case cases[] = {
      {96, 0, 135, 109},  {120, 1, 169, 136}, {144, 1, 202, 163}, {168, 2, 236, 191},
      {192, 2, 270, 218}, {240, 2, 270, 218}, {72, 0, 101, 82},   {-1, 0, 135, 109},
  };
  for (const Case& c : cases) {
    const fw::PicturePick pick = fw::PickPicture(135, 109, c.dpi);
    EXPECT_EQ(pick.variant, c.variant) << c.dpi;
    EXPECT_EQ(pick.width, c.width) << c.dpi;
    EXPECT_EQ(pick.height, c.height) << c.dpi;
  }
}

TEST(ArtScale, ClipsAreNeverShownLargerThanTheScaleAsks) {
  const std::pair<int, int> cases[] = {{96, 0}, {120, 0}, {144, 1}, {168, 1}, {192, 2}, {288, 2}, {0, 0}};
  for (const auto& [dpi, variant] : cases) EXPECT_EQ(fw::ClipVariantFor(dpi), variant) << dpi;
}

// Shown at exactly 150 and 200 % means not scaled at all: the drawing is the size the pick asks for.
TEST(ArtScale, EveryPictureIsDrawnAtTheSizesThePickCountsOn) {
  for (int id : {IDB_DPI_1600, IDB_DPI_400, IDB_DPI_2000, IDB_DPI_800, IDB_LAUNCHER_PREVIEW, IDB_WHEEL,
                 IDB_MOUSE_BUTTONS, IDB_ABOUT}) {
    const auto base = testsupport::CommittedBitmapSize(id);
    ASSERT_GT(base.first, 0) << id;
    for (int variant : {1, 2}) {
      const fw::PicturePick pick = fw::PickPicture(base.first, base.second, 96 * (2 + variant) / 2);
      ASSERT_EQ(pick.variant, variant) << id;
      EXPECT_EQ(testsupport::CommittedBitmapSize(id + variant * IDB_SCALED_STEP), std::make_pair(pick.width, pick.height))
          << id << " variant " << variant;
    }
  }
}

}  // namespace
