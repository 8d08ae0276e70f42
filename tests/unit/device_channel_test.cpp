// The speed record the device takes: each value as four little-endian bytes.
#include "bridge/device_channel.h"

#include <gtest/gtest.h>

namespace {

TEST(DeviceChannel, EachValueIsFourLittleEndianBytes) {
  EXPECT_EQ(bridge::EncodeSpeed(0x01020304), (bridge::SpeedWrite{4, 3, 2, 1}));
  EXPECT_EQ(bridge::EncodeSpeed(-5), (bridge::SpeedWrite{0xFB, 0xFF, 0xFF, 0xFF}));
}

}  // namespace
