#include "bridge/device_channel_win.h"

#include "bridge/device_channel.h"

#include <windows.h>

namespace bridge {
namespace {

HANDLE OpenDevice() {
  return ::CreateFileA(kDevicePath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

void WriteSpeedValue(HANDLE device, int value) {
  if (device == INVALID_HANDLE_VALUE) return;
  SpeedWrite bytes = EncodeSpeed(value);
  DWORD written = 0;
  ::WriteFile(device, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

void WriteDeviceSpeed(int x, int y) {
  HANDLE handle = OpenDevice();
  if (handle == INVALID_HANDLE_VALUE) return;
  WriteSpeedValue(handle, x);
  WriteSpeedValue(handle, y);
  ::CloseHandle(handle);
}

}  // namespace bridge
