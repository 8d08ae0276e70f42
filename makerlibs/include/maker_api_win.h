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

// Oskem.dll: the system-wide keyboard hook.
typedef int (*KeyHookStartFn)(void);
typedef int (*KeyHookStopFn)(void);
typedef void (*KeyHookSetTargetFn)(HWND target);

// Fenwix.dll: the link to the mouse itself (resolution steps).
typedef int (*DeviceLinkOpenFn)(HWND target, UINT message, int reserved);
typedef int (*DeviceLinkCloseFn)(void);
}
