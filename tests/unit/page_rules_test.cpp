#include "sheet/page_rules.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

using sheet::kWheelPageScroll;

TEST(PageRules, TheWheelPageHandsOverOnlyAChoiceTheSystemLacks) {
  // Opened over a value, then: Ln list item n, Tn n typed, R lines radio, P page radio, A apply;
  // what was handed to the system, and what the list and its edit field show afterwards.
  struct Case { std::uint32_t system; const char *steps, *writes; int index; const char* edit; };
  const Case cases[] = {
      {5, "A", "", -1, "5"},          {3, "L2 A", "6 ", 2, "6"},  {3, "L1 A", "", 1, "3"},      {3, "L7 A", "", 1, "3"},
      {3, "P", "", 1, "3"},           {3, "P A A", "-1 ", 1, "3"}, {kWheelPageScroll, "A", "", -1, ""},
      {kWheelPageScroll, "R A", "3 ", 1, "3"},                    {5, "P R A", "", -1, "5"},    {3, "T6", "", 2, "6"},
      {3, "T6 A", "6 ", 2, "6"},      {5, "T12 A", "1 ", 0, "1"}, {5, "T5 A", "", -1, "5"},     {3, "T36 A", "", 1, "3"},
      {10, "A", "", -1, "10"},        {0, "A", "", -1, "0"},      {6, "R A", "", 2, "6"},       {1, "P R A", "", 0, "1"},
  };
  for (const Case& c : cases) {
    sheet::WheelPage page;
    page.Open(3);
    page.ChoosePage();  // an earlier opening's choice is not handed over again
    page.Open(c.system);
    std::string writes;
    std::istringstream steps(c.steps);
    for (std::string step; steps >> step;) {
      bool handOver = false;
      if (step[0] == 'L') handOver = page.ChooseFromList(std::stoi(step.substr(1)));
      if (step[0] == 'T') page.Type(step.c_str() + 1);
      if (step[0] == 'R') page.ChooseLines();
      if (step[0] == 'P') page.ChoosePage();
      if (step[0] == 'A') handOver = page.Apply();
      if (handOver) writes += std::to_string(static_cast<std::int32_t>(page.SystemLines())) + " ";
    }
    SCOPED_TRACE(std::to_string(c.system) + ": " + c.steps);
    EXPECT_EQ(writes, c.writes);
    EXPECT_EQ(page.View().listIndex, c.index);
    EXPECT_EQ(page.View().editText, c.edit);
  }
  // Start-up: only a wheel that scrolls nothing is a broken setting.
  for (std::uint32_t lines : {0u, 1u, 5u, kWheelPageScroll}) EXPECT_EQ(sheet::WheelLinesNeedReset(lines), lines == 0);
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
