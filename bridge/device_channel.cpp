#include "bridge/device_channel.h"

namespace bridge {

SpeedWrite EncodeSpeed(std::int32_t value) {
  auto bits = static_cast<std::uint32_t>(value);
  return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8), static_cast<std::uint8_t>(bits >> 16),
          static_cast<std::uint8_t>(bits >> 24)};
}

}  // namespace bridge
