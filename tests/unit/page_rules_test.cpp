#include "sheet/page_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <tuple>

namespace {

using sheet::kWheelPageScroll;

TEST(PageRules, WheelPageShowsTheSystemsCountAndWritesOnlyAChoiceTheSystemLacks) {
  struct Case {
    std::uint32_t system;
    bool page;
    int index;         // list selection, -1 none
    const char* edit;  // what the edit field shows
    bool startupResets;
  };
  const Case cases[] = {{1, false, 0, "1", false},   {3, false, 1, "3", false},       {6, false, 2, "6", false},
                        {5, false, -1, "5", false},  {10, false, -1, "10", false},    {0, false, -1, "0", true},
                        {kWheelPageScroll, true, -1, "", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.system);
    const sheet::WheelView view = sheet::WheelViewOf(c.system);
    EXPECT_EQ(view.pageScroll, c.page);
    EXPECT_EQ(view.listIndex, c.index);
    EXPECT_EQ(view.editText, c.edit);
    EXPECT_EQ(sheet::WheelLinesOfListIndex(c.index), c.index >= 0 ? static_cast<std::int32_t>(c.system) : 0);
    EXPECT_EQ(sheet::WheelLinesNeedReset(c.system), c.startupResets);
  }
  EXPECT_EQ(sheet::WheelLinesOfListIndex(3), 0);
  EXPECT_EQ(sheet::WheelListIndexOfLines(sheet::kDefaultWheelLines), 1) << "the default is offered by the list";

  // pending, system: written?
  const std::tuple<std::int32_t, std::uint32_t, bool> writes[] = {
      {6, 3, true}, {3, 3, false}, {-1, 3, true}, {-1, kWheelPageScroll, false}, {3, kWheelPageScroll, true},
      {0, 5, false}, {5, 3, false}, {3, 5, true}, {INT_MIN, 0, false}};
  for (const auto& [pending, system, written] : writes)
    EXPECT_EQ(sheet::WheelWriteNeeded(pending, system), written) << pending << " over " << system;
}

TEST(PageRules, TypedWheelTextCountsByItsFirstCharacterOnly) {
  const std::pair<const char*, std::int32_t> cases[] = {{"1", 1}, {"3", 3}, {"6", 6}, {"12", 1}, {"36", 3},
                                                         {"", 0},  {" 3", 0}, {"5", 0}, {nullptr, 0}};
  for (const auto& c : cases) EXPECT_EQ(sheet::WheelLinesOfTypedText(c.first), c.second) << (c.first ? c.first : "-");
}

TEST(PageRules, FourAccelerationTriplesAndTheirLevelCodes) {
  const sheet::AccelerationTriple presets[] = {{0, 0, 0}, {7, 0, 1}, {4, 12, 2}, {4, 6, 2}};
  for (int level = 2; level <= 5; ++level) {
    EXPECT_EQ(sheet::AccelerationLevelOf(presets[level - 2]), level);
    ASSERT_NE(sheet::AccelerationOfLevel(level), nullptr);
    EXPECT_EQ(*sheet::AccelerationOfLevel(level), presets[level - 2]);
  }
  // Near misses and Windows' own default match no preset.
  for (const sheet::AccelerationTriple& other : {sheet::AccelerationTriple{6, 10, 1}, {4, 12, 1}, {7, 0, 2}, {0, 0, 1}})
    EXPECT_EQ(sheet::AccelerationLevelOf(other), 0);
  for (int level : {-1, 0, 1, 6, 1034}) EXPECT_EQ(sheet::AccelerationOfLevel(level), nullptr) << level;
}

TEST(PageRules, PointerApplyWritesOnlyWhatDiffersFromTheOpening) {
  const sheet::PointerView opened{10, {6, 10, 1}, true};
  struct Case {
    int speed, level;
    bool snap, writesSpeed, writesAcceleration, writesSnap;
  };
  const Case cases[] = {
      {10, 0, true, false, false, false},  {11, 0, true, true, false, false}, {10, 0, false, false, false, true},
      {10, 4, true, false, true, false},   {10, 1, true, false, false, false}, {10, 6, true, false, false, false},
  };
  for (const Case& c : cases) {
    const sheet::PointerWrites w = sheet::PointerChanges(opened, c.speed, c.level, c.snap);
    EXPECT_EQ(w.speed, c.writesSpeed) << c.speed << "/" << c.level;
    EXPECT_EQ(w.acceleration, c.writesAcceleration) << c.speed << "/" << c.level;
    EXPECT_EQ(w.snap, c.writesSnap) << c.speed << "/" << c.level;
  }
  EXPECT_FALSE(sheet::PointerChanges({10, {4, 12, 2}, false}, 10, 4, false).acceleration) << "the level it has already";
}

TEST(PageRules, AxisSliderShowsDeviceSpeedMinusFiveAndWritesBackInRange) {
  struct Case {
    std::int32_t stored;
    int text, slider;      // what the value text shows, where the slider stands
    std::int32_t written;  // what Apply writes for that slider
  };
  const Case cases[] = {{5, 0, 0, 5},     {12, 7, 7, 12},      {20, 15, 15, 20},
                        {0, -5, 0, 5},    {21, 16, 15, 20},    {-7, -12, 0, 5},
                        {INT_MAX, INT_MAX - 5, 15, 20},        {INT_MIN, -2147483647, 0, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    EXPECT_EQ(sheet::AxisTextValueOf(c.stored), c.text);
    EXPECT_EQ(sheet::AxisSliderOf(c.stored), c.slider);
    EXPECT_EQ(sheet::AxisSpeedOfSlider(c.slider), c.written);
  }
  for (int position : {-3, 40}) EXPECT_EQ(sheet::AxisSpeedOfSlider(position), position < 0 ? 5 : 20);
}

}  // namespace
