// The program's side of the mouse maker's libraries (Varnel.dll, Oskem.dll,
// Fenwix.dll). They are loaded at first use from the program's folder; a
// library that is missing or lacks an export turns its calls into no-ops, so
// the tray and the configuration sheet keep working without it.
#pragma once

#include <windows.h>

#include "settings/settings_model.h"

namespace bridge {

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

int DeviceLinkOpen(HWND target, UINT message, int reserved);
int DeviceLinkClose();

// Hands the settings model's button table and wheel mode to Varnel.dll.
class MakerHookLink : public settings::HookLink {
 public:
  void SetButtonTable(const volatile std::int32_t* table, int count) override { PointerHookSetButtonTable(table, count); }
  void SetWheelMode(std::int32_t mode) override { PointerHookSetWheelMode(mode); }
};

}  // namespace bridge
