// What the program and the mouse maker's libraries agree on: the messages the
// hooks post, the event codes that name the buttons and the resolution levels,
// which function codes exist, and which functions a button performs by itself.
// Both sides include this header and nothing else of each other. Portable: no
// Windows headers.
#pragma once

namespace makerlibs {

constexpr unsigned kWmUser = 0x0400;

// Posted to the mouse hook's target: a managed button was released, or (from
// the device library) the mouse stepped its resolution. lParam: event code.
constexpr unsigned WM_MOUSEBTN_UP = kWmUser + 100;  // 1124
// Posted to the mouse hook's target: a managed button was pressed. lParam: event code.
constexpr unsigned WM_MOUSEBTN_DOWN = kWmUser + 101;  // 1125
// Posted by the keyboard hook to its target for each physical key press: wParam
// the virtual-key code (Shift, Ctrl, Alt by their generic codes), lParam the
// window that was in the foreground when the key was pressed.
constexpr unsigned WM_HOOK_KEY = kWmUser + 118;  // 1142

// The six button slots of the program's button table, in this order.
enum ButtonSlot { kSlotLeft = 0, kSlotWheel = 1, kSlotRight = 2, kSlotFourth = 3, kSlotFifth = 4, kSlotSixth = 5 };
constexpr int kButtonSlotCount = 6;
constexpr int kNoSlot = -1;

// Event code that the hooks report for each slot.
constexpr int kEventCodes[kButtonSlotCount] = {32, 8, 16, 12, 14, 13};
// Event codes of the resolution levels 0..3 (only ever reported as a release).
constexpr int kResolutionEventCodes[4] = {36, 40, 44, 48};
constexpr int kResolutionLevels = 4;

// Function codes 0..kFunctionCount-1 exist; any other stored value means "no function".
constexpr int kFunctionCount = 51;

// The functions that are what a button does by itself anyway: the hook lets
// such a button through untouched instead of reporting it.
constexpr int kFunctionClick = 0;
constexpr int kFunctionAutoScroll = 1;
constexpr int kFunctionRightClick = 2;
constexpr int kFunctionClickLock = 7;

constexpr bool IsValidFunction(int code) { return code >= 0 && code < kFunctionCount; }

constexpr bool IsValidSlot(int slot) { return slot >= 0 && slot < kButtonSlotCount; }

constexpr int EventCodeOfSlot(int slot) { return IsValidSlot(slot) ? kEventCodes[slot] : -1; }

constexpr int SlotOfEventCode(int eventCode) {
  for (int slot = 0; slot < kButtonSlotCount; ++slot)
    if (kEventCodes[slot] == eventCode) return slot;
  return kNoSlot;
}

// Resolution level 0..3 of an event code, or -1.
constexpr int ResolutionLevelOfEventCode(int eventCode) {
  for (int level = 0; level < kResolutionLevels; ++level)
    if (kResolutionEventCodes[level] == eventCode) return level;
  return -1;
}

// True when `code` is the slot's own function: click (or click lock) on the
// left button, auto scroll on the wheel button, right click on the right one.
// The 4th, 5th and 6th slots have none: the program performs them itself.
constexpr bool IsNativeFunction(int slot, int code) {
  switch (slot) {
    case kSlotLeft: return code == kFunctionClick || code == kFunctionClickLock;
    case kSlotWheel: return code == kFunctionAutoScroll;
    case kSlotRight: return code == kFunctionRightClick;
    default: return false;
  }
}

}  // namespace makerlibs
