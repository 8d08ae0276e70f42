#include "bridge/device_channel_win.h"

#include "bridge/device_channel.h"
#include "framework/handles_win.h"

namespace bridge {
namespace {

void WriteSpeedValue(HANDLE device, int value) {
  SpeedWrite bytes = EncodeSpeed(value);
  DWORD written = 0;
  ::WriteFile(device, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

void WriteDeviceSpeed(int x, int y) {
  const fw::UniqueFile device(::CreateFileA(kDevicePath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!device) return;
  WriteSpeedValue(device.get(), x);
  WriteSpeedValue(device.get(), y);
}

}  // namespace bridge
