// The program's side of the mouse maker's libraries (Varnel.dll, Oskem.dll,
// Fenwix.dll). Each is loaded at its first use, by its full path in the
// program's folder, and stays loaded until the process ends; a library that
// is missing or lacks an export turns its calls into no-ops, so the tray and
// the configuration sheet keep working without it.
#pragma once

#include <windows.h>

#include "framework/handles_win.h"
#include "settings/settings_model.h"

namespace bridge {

// Loads `fileName` from the folder of the program's own file, never through
// the search path; empty when it is not there or does not load.
fw::UniqueModule LoadProgramLibrary(const char* fileName);

// Nonzero when the mouse hook is installed.
int PointerHookStart();
int PointerHookStop();
void PointerHookSetTarget(HWND target);
// Called only by the settings model, with the address of its button table and 6.
void PointerHookSetButtonTable(const volatile int* table, int count);
void PointerHookSetWheelMode(int mode);

int KeyHookStart();
int KeyHookStop();
void KeyHookSetTarget(HWND target);

// The tick count of the newest event either hook was called for; false when a
// library cannot tell (missing, or not our own build).
bool HooksLastEventTime(DWORD* tick);

int DeviceLinkOpen(HWND target, UINT message, int reserved);
int DeviceLinkClose();

// Hands the settings model's button table and wheel mode to Varnel.dll.
class MakerHookLink : public settings::HookLink {
 public:
  void SetButtonTable(const volatile std::int32_t* table, int count) override { PointerHookSetButtonTable(table, count); }
  void SetWheelMode(std::int32_t mode) override { PointerHookSetWheelMode(mode); }
};

}  // namespace bridge
