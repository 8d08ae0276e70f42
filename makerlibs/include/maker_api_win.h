// The exports of the mouse maker's libraries and of the skin library, as the
// program calls them. Each export is declared here once and its pointer type
// is taken from that declaration: our builds of the libraries include this
// header, so a definition that differs from it does not compile, and the
// program resolves every export into exactly these types.
#pragma once

#include <windows.h>

extern "C" {
// Varnel.dll: the system-wide mouse hook.
int PointerHookStart(void);
int PointerHookStop(void);
void PointerHookSetTarget(HWND target);
// table: six function codes in slot order (left, wheel button, right, 4th, 5th, 6th).
void PointerHookSetButtonTable(const volatile int* table, int count);
void PointerHookSetWheelMode(int mode);
// The tick count (GetTickCount) when the hook was last called for an event,
// 0 before the first: the program compares it with the system's last input
// to notice a hook the system no longer calls. Our own addition: the program
// does without it.
DWORD PointerHookLastEventTime(void);

// Oskem.dll: the system-wide keyboard hook.
int KeyHookStart(void);
int KeyHookStop(void);
void KeyHookSetTarget(HWND target);
// As PointerHookLastEventTime, for the keyboard hook.
DWORD KeyHookLastEventTime(void);

// Fenwix.dll: the link to the mouse itself (resolution steps).
int DeviceLinkOpen(HWND target, UINT message, int reserved);
int DeviceLinkClose(void);

// SkinMagic.dll, imported by ordinal only (see skinmagic.def).
BOOL WINAPI SkinInit(HINSTANCE instance, const char* reserved1, const char* reserved2, const char* reserved3);
BOOL WINAPI SkinLoadFromResource(HINSTANCE module, const char* name, const char* type);
BOOL WINAPI SkinApplyToDialogs(const char* section);
}

using PointerHookStartFn = decltype(&PointerHookStart);
using PointerHookStopFn = decltype(&PointerHookStop);
using PointerHookSetTargetFn = decltype(&PointerHookSetTarget);
using PointerHookSetButtonTableFn = decltype(&PointerHookSetButtonTable);
using PointerHookSetWheelModeFn = decltype(&PointerHookSetWheelMode);
using PointerHookLastEventTimeFn = decltype(&PointerHookLastEventTime);
using KeyHookStartFn = decltype(&KeyHookStart);
using KeyHookStopFn = decltype(&KeyHookStop);
using KeyHookSetTargetFn = decltype(&KeyHookSetTarget);
using KeyHookLastEventTimeFn = decltype(&KeyHookLastEventTime);
using DeviceLinkOpenFn = decltype(&DeviceLinkOpen);
using DeviceLinkCloseFn = decltype(&DeviceLinkClose);
using SkinInitFn = decltype(&SkinInit);
using SkinLoadFromResourceFn = decltype(&SkinLoadFromResource);
using SkinApplyToDialogsFn = decltype(&SkinApplyToDialogs);

// The skin library's ordinals, as skinmagic.def assigns them.
constexpr WORD kSkinInitOrdinal = 1;
constexpr WORD kSkinLoadFromResourceOrdinal = 4;
constexpr WORD kSkinApplyToDialogsOrdinal = 8;
