#include "sheet/doubleclick_speed.h"

#include <gtest/gtest.h>

namespace {

TEST(DoubleClickSpeed, SliderShowsTenthsOfTheTimeWithinOneToNinetyAndWritesTenPerStep) {
  struct Case {
    unsigned ms;
    int slider;
  };
  const Case cases[] = {{500, 50}, {505, 50}, {0, 1}, {19, 1}, {20, 2}, {900, 90}, {1000, 90}, {4294967295u, 90}};
  for (const Case& c : cases) EXPECT_EQ(sheet::SliderFromTime(c.ms), c.slider) << c.ms;
  for (int pos = 1; pos <= 90; ++pos) EXPECT_EQ(sheet::TimeFromSlider(pos), static_cast<unsigned>(pos) * 10u);
  for (int pos : {-5, 0, 91}) EXPECT_EQ(sheet::TimeFromSlider(pos), pos < 1 ? 10u : 900u) << pos;
}

}  // namespace
