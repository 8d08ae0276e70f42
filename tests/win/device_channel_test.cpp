// The speed record written to the mouse driver's device object. The test
// harness points \\.\Kiv_Device at a plain file (ZYFO_DEVICE_FILE).
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "bridge/device_channel_win.h"
#include "tests/support/wine_support.h"

namespace {

TEST(DeviceChannel, AnUpdateIsTwoLittleEndianWritesXThenYUncheckedAndWithoutTheDeviceNothing) {
  const std::string path = testsupport::DeviceFile();
  if (path.empty()) GTEST_SKIP() << "ZYFO_DEVICE_FILE is not set (run through scripts/test)";
  using Bytes = std::vector<unsigned char>;
  const std::pair<std::pair<int, int>, Bytes> cases[] = {{{20, 0x01020304}, {20, 0, 0, 0, 4, 3, 2, 1}},
                                                         {{-5, 0}, {0xFB, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}}};
  for (const auto& [speeds, bytes] : cases) {
    std::ofstream(path, std::ios::binary | std::ios::trunc);
    bridge::WriteDeviceSpeed(speeds.first, speeds.second);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(in), {}), bytes) << speeds.first;
  }
  const std::string moved = path + ".away";
  ASSERT_EQ(std::rename(path.c_str(), moved.c_str()), 0);
  bridge::WriteDeviceSpeed(7, 8);
  EXPECT_EQ(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << "the device is not created";
  ASSERT_EQ(std::rename(moved.c_str(), path.c_str()), 0);
}

}  // namespace
