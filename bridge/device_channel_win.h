// Writes the sensor's X and Y speeds to the mouse driver's device object.
#pragma once

#include <windows.h>

namespace bridge {

// Opens the device, writes X then Y (4 bytes each) on that one handle, closes it.
// A missing device swallows the writes without a word: the callers carry on.
void WriteDeviceSpeed(int x, int y);

// The same on a handle the caller opened (the X/Y page keeps it for one apply).
HANDLE OpenDevice();
void WriteSpeedValue(HANDLE device, int value);

}  // namespace bridge
