// The speed record for the mouse driver's device object: X then Y, each a
// 32-bit little-endian integer written on its own. Portable.
#pragma once

#include <array>
#include <cstdint>

namespace bridge {

constexpr const char* kDevicePath = "\\\\.\\Kiv_Device";

using SpeedWrite = std::array<std::uint8_t, 4>;
SpeedWrite EncodeSpeed(std::int32_t value);

}  // namespace bridge
