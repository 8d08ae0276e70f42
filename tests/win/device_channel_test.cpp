// The speed record written to the mouse driver's device object. The test
// harness points \\.\Kiv_Device at a plain file (ZYFO_DEVICE_FILE).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "bridge/device_channel_win.h"
#include "tests/support/wine_support.h"

namespace {

using testsupport::DeviceFile;

std::vector<unsigned char> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

class DeviceChannel : public testing::Test {
 protected:
  void SetUp() override {
    path = DeviceFile();
    if (path.empty()) GTEST_SKIP() << "ZYFO_DEVICE_FILE is not set (run through scripts/test)";
    std::ofstream(path, std::ios::binary | std::ios::trunc);
  }
  std::string path;
};

TEST_F(DeviceChannel, OneUpdateIsTwoLittleEndianWritesXThenY) {
  bridge::WriteDeviceSpeed(20, 0x01020304);
  std::vector<unsigned char> expected = {20, 0, 0, 0, 4, 3, 2, 1};
  EXPECT_EQ(ReadAll(path), expected);
}

TEST_F(DeviceChannel, ValuesGoOutUncheckedIncludingNegativeOnes) {
  bridge::WriteDeviceSpeed(-5, 0);
  std::vector<unsigned char> expected = {0xFB, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0};
  EXPECT_EQ(ReadAll(path), expected);
}

TEST_F(DeviceChannel, MissingDeviceSwallowsTheWrites) {
  std::string moved = path + ".away";
  ASSERT_EQ(std::rename(path.c_str(), moved.c_str()), 0);
  bridge::WriteDeviceSpeed(7, 8);  // must simply do nothing
  EXPECT_EQ(::GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
  ASSERT_EQ(std::rename(moved.c_str(), path.c_str()), 0);
}

}  // namespace
