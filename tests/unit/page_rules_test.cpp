#include "sheet/page_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace {

TEST(PageRules, WheelListIndexAndLinesMapBothWays) {
  struct Case {
    std::uint32_t lines;
    int index;
  };
  const Case cases[] = {{1, 0}, {3, 1}, {6, 2}, {0, -1}, {2, -1}, {5, -1}, {100, -1}, {sheet::kWheelPageScroll, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lines);
    EXPECT_EQ(sheet::WheelListIndexOfLines(c.lines), c.index);
    if (c.index >= 0) {
      EXPECT_EQ(sheet::WheelLinesOfListIndex(c.index), static_cast<std::int32_t>(c.lines));
    }
  }
  for (int index : {-1, 3, 51}) EXPECT_EQ(sheet::WheelLinesOfListIndex(index), 0) << index;
  EXPECT_EQ(sheet::WheelListIndexOfLines(sheet::kDefaultWheelLines), 1) << "the default is offered by the list";
}

TEST(PageRules, TypedWheelTextCountsByItsFirstCharacterOnly) {
  struct Case {
    const char* text;
    std::int32_t lines;
  };
  const Case cases[] = {{"1", 1}, {"3", 3}, {"6", 6}, {"12", 1}, {"6 Zeilen", 6}, {"36", 3},
                        {"", 0},  {" 3", 0}, {"2", 0},  {"x", 0},  {"-1", 0},      {nullptr, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text ? c.text : "(null)");
    EXPECT_EQ(sheet::WheelLinesOfTypedText(c.text), c.lines);
  }
}

TEST(PageRules, OnlyListCountsAndPageScrollingAreHandedToTheSystem) {
  for (std::int32_t pending : {1, 3, 6, -1}) EXPECT_TRUE(sheet::IsWheelChoice(pending)) << pending;
  for (std::int32_t pending : {0, 2, 5, 7, -2, INT_MIN}) EXPECT_FALSE(sheet::IsWheelChoice(pending)) << pending;
  EXPECT_EQ(static_cast<std::uint32_t>(-1), sheet::kWheelPageScroll);
}

TEST(PageRules, StartupResetsOnlyZeroWheelLines) {
  EXPECT_TRUE(sheet::WheelLinesNeedReset(0));
  for (std::uint32_t lines : {1u, 3u, 5u, 6u, sheet::kWheelPageScroll}) EXPECT_FALSE(sheet::WheelLinesNeedReset(lines));
}

TEST(PageRules, FourAccelerationTriplesAndTheirLevelCodes) {
  struct Case {
    sheet::AccelerationTriple triple;
    int level;
  };
  const Case presets[] = {{{0, 0, 0}, 2}, {{7, 0, 1}, 3}, {{4, 12, 2}, 4}, {{4, 6, 2}, 5}};
  for (const Case& c : presets) {
    SCOPED_TRACE(c.level);
    EXPECT_EQ(sheet::AccelerationLevelOf(c.triple), c.level);
    ASSERT_NE(sheet::AccelerationOfLevel(c.level), nullptr);
    EXPECT_EQ(*sheet::AccelerationOfLevel(c.level), c.triple);
  }
  // Near misses and the usual system default match no preset.
  const sheet::AccelerationTriple others[] = {{6, 10, 1}, {4, 12, 1}, {4, 6, 1}, {7, 0, 2}, {0, 0, 1}, {12, 4, 2}};
  for (const auto& triple : others) EXPECT_EQ(sheet::AccelerationLevelOf(triple), 0);
  for (int level : {-1, 0, 1, 6, 1034}) EXPECT_EQ(sheet::AccelerationOfLevel(level), nullptr) << level;
  EXPECT_EQ(sheet::AccelerationLevelOf(sheet::kAccelerationOff), sheet::kFirstAccelerationLevel);
}

TEST(PageRules, AxisSliderShowsDeviceSpeedMinusFiveAndWritesBackInRange) {
  struct Case {
    std::int32_t stored;
    int text;       // what the value text shows
    int slider;     // where the slider stands
    std::int32_t written;  // what Apply writes for that slider
  };
  const Case cases[] = {
      {5, 0, 0, 5},      {12, 7, 7, 12},    {20, 15, 15, 20}, {13, 8, 8, 13},
      {0, -5, 0, 5},     {1, -4, 0, 5},     {4, -1, 0, 5},    {21, 16, 15, 20},
      {300, 295, 15, 20}, {-7, -12, 0, 5},  {INT_MAX, INT_MAX - 5, 15, 20},
      {INT_MIN, -2147483647, 0, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    EXPECT_EQ(sheet::AxisTextValueOf(c.stored), c.text);
    EXPECT_EQ(sheet::AxisSliderOf(c.stored), c.slider);
    EXPECT_EQ(sheet::AxisSpeedOfSlider(c.slider), c.written);
  }
  for (int position = sheet::kAxisSliderMin; position <= sheet::kAxisSliderMax; ++position) {
    EXPECT_EQ(sheet::AxisSpeedOfSlider(position), position + 5);
    EXPECT_EQ(sheet::AxisSliderOf(sheet::AxisSpeedOfSlider(position)), position);
  }
  EXPECT_EQ(sheet::AxisSpeedOfSlider(-3), 5);
  EXPECT_EQ(sheet::AxisSpeedOfSlider(40), 20);
}

}  // namespace
