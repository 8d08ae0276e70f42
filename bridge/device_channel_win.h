// Writes the sensor's X and Y speeds to the mouse driver's device object.
#pragma once

namespace bridge {

// Opens the device, writes X then Y (4 bytes each) on that one handle, closes it.
// A missing device swallows the writes without a word: the callers carry on.
void WriteDeviceSpeed(int x, int y);

}  // namespace bridge
