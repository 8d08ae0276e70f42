// The exports of the mouse maker's three libraries, as the program calls them.
// Our own builds of the libraries implement exactly these.
#pragma once

#include <windows.h>

extern "C" {
// Varnel.dll: the system-wide mouse hook.
typedef int (*PointerHookStartFn)(void);
typedef int (*PointerHookStopFn)(void);
typedef void (*PointerHookSetTargetFn)(HWND target);
// table: six function codes in slot order (left, wheel button, right, 4th, 5th, 6th).
typedef void (*PointerHookSetButtonTableFn)(const volatile int* table, int count);
typedef void (*PointerHookSetWheelModeFn)(int mode);
// The tick count (GetTickCount) when the hook was last called for an event,
// 0 before the first: the program compares it with the system's last input
// to notice a hook the system no longer calls. Our own addition: the program
// does without it.
typedef DWORD (*PointerHookLastEventTimeFn)(void);

// Oskem.dll: the system-wide keyboard hook.
typedef int (*KeyHookStartFn)(void);
typedef int (*KeyHookStopFn)(void);
typedef void (*KeyHookSetTargetFn)(HWND target);
// As PointerHookLastEventTime, for the keyboard hook.
typedef DWORD (*KeyHookLastEventTimeFn)(void);

// Fenwix.dll: the link to the mouse itself (resolution steps).
typedef int (*DeviceLinkOpenFn)(HWND target, UINT message, int reserved);
typedef int (*DeviceLinkCloseFn)(void);
}
