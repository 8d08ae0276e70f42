#include "launcher/shortcut_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ShortcutTable, SlotsAreLabelledInBase19AndNumberedPageOneThenPageTwo) {
  std::string labels;
  for (int slot = 0; slot <= 19; ++slot) labels += launcher::SlotLabel(slot);
  EXPECT_EQ(labels, "123456789abcdefghi");
  EXPECT_EQ(launcher::SlotOf(1, 9), 9);
  EXPECT_EQ(launcher::SlotOf(2, 1), 10);
  EXPECT_EQ(launcher::SlotOf(2, 9), 18);
}

}  // namespace
