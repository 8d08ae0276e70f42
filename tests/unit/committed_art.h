// The committed pictures of res/art/, read as the build embeds them.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>

namespace testsupport {

// Width and height of res/art/bitmap_<id>.bmp from its header; 0, 0 when it cannot be read.
inline std::pair<int, int> CommittedBitmapSize(int id) {
  std::ifstream in(std::string(ZYFO_SOURCE_DIR "/res/art/bitmap_") + std::to_string(id) + ".bmp", std::ios::binary);
  unsigned char header[26] = {};
  if (!in.read(reinterpret_cast<char*>(header), sizeof header) || header[0] != 'B' || header[1] != 'M') return {0, 0};
  auto at = [&](std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) value = value << 8 | header[offset + i];
    return static_cast<std::int32_t>(value);
  };
  return {at(18), std::abs(at(22))};
}

}  // namespace testsupport
