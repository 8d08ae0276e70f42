#include "sheet/doubleclick_speed.h"

#include <gtest/gtest.h>

namespace {

TEST(DoubleClickSpeed, SliderShowsTenthsOfTimeWithinOneToNinety) {
  struct Case {
    unsigned ms;
    int slider;
    unsigned back;  // the time the slider position writes back
  };
  const Case cases[] = {
      {500, 50, 500}, {505, 50, 500}, {1000, 90, 900}, {5, 1, 10},
      {0, 1, 10},     {10, 1, 10},    {19, 1, 10},     {20, 2, 20},
      {900, 90, 900}, {909, 90, 900}, {4294967295u, 90, 900},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ms);
    EXPECT_EQ(sheet::SliderFromTime(c.ms), c.slider);
    EXPECT_EQ(sheet::TimeFromSlider(c.slider), c.back);
  }
}

TEST(DoubleClickSpeed, EverySliderPositionWritesTenMillisecondsPerStep) {
  for (int pos = 1; pos <= 90; ++pos) {
    SCOPED_TRACE(pos);
    EXPECT_EQ(sheet::TimeFromSlider(pos), static_cast<unsigned>(pos) * 10u);
    EXPECT_EQ(sheet::SliderFromTime(sheet::TimeFromSlider(pos)), pos);
  }
}

TEST(DoubleClickSpeed, PositionOutsideSliderIsBroughtIntoRange) {
  EXPECT_EQ(sheet::TimeFromSlider(0), 10u);
  EXPECT_EQ(sheet::TimeFromSlider(-5), 10u);
  EXPECT_EQ(sheet::TimeFromSlider(91), 900u);
}

}  // namespace
