// What the catalogue says beyond each function's behaviour (that is
// executor_test's table): text bytes, defaults, and the event numbers of the contract
// that the hooks and outside programs rely on (its messages: identity_test).
#include "actions/catalogue.h"

#include <gtest/gtest.h>

namespace {

TEST(Catalogue, TextsAreWindows1252Bytes) {
  EXPECT_STREQ(actions::ListText(3), "\x5a\x75\x72\xfc\x63\x6b");  // Zurück, one byte per umlaut
  EXPECT_STREQ(actions::ListText(47), "Hot-Button-Men\xfc\x20");
}

TEST(Catalogue, FactoryDefaultSwapsBackAndForwardAndAddsTheLauncher) {
  const int factory[] = {-1, 0, 1, 2, 4, 3, 47, -1};
  for (int slot = -1; slot <= 6; ++slot) EXPECT_EQ(actions::FactoryDefault(slot), factory[slot + 1]) << slot;
}

TEST(Contract, EventNumbers) {
  const int slots[] = {32, 8, 16, 12, 14, 13};
  for (int slot = 0; slot < 6; ++slot) EXPECT_EQ(makerlibs::EventCodeOfSlot(slot), slots[slot]);
  EXPECT_EQ(makerlibs::EventCodeOfSlot(6), -1);
}

}  // namespace
