// The program's side of the mouse maker's libraries (Varnel.dll, Oskem.dll,
// Fenwix.dll). They are loaded at first use from the program's folder; a
// library that is missing or lacks an export turns its calls into no-ops, so
// the tray and the configuration sheet keep working without it.
#pragma once

#include <windows.h>

namespace makerlibs {

// Nonzero when the mouse hook is installed.
int PointerHookStart();
int PointerHookStop();
void PointerHookSetTarget(HWND target);
// Always called with the address of the application's button table and 6.
void PointerHookSetButtonTable(const volatile int* table, int count);
void PointerHookSetWheelMode(int mode);

int KeyHookStart();
int KeyHookStop();
void KeyHookSetTarget(HWND target);

int DeviceLinkOpen(HWND target, UINT message, int reserved);
int DeviceLinkClose();

}  // namespace makerlibs
