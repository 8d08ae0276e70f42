// The six function lists of the "Tasten" and "Programme" tabs, one per button
// slot, both pages with the same ids, catalogue texts and rules.
#pragma once

#include "actions/catalogue.h"
#include "framework/controls_win.h"
#include "res/resource.h"

namespace sheet {

// By button slot: left, wheel button, right, 4th, 5th, 6th.
constexpr int kFunctionListIds[actions::kButtonSlotCount] = {IDC_FUNC_LEFT,   IDC_FUNC_WHEEL, IDC_FUNC_RIGHT,
                                                             IDC_FUNC_FOURTH, IDC_FUNC_FIFTH, IDC_FUNC_SIXTH};

// Attaches the slot's list of `dialog` and fills it with every function's text.
inline void FillFunctionList(fw::ComboBox& list, HWND dialog, int slot) {
  list.Attach(dialog, kFunctionListIds[slot]);
  list.ResetContent();
  for (int code = 0; code < actions::kFunctionCount; ++code)
    list.AddString(actions::ListText(code, slot == actions::kSixthSlot));
}

// A code outside the catalogue shows as no choice (and stays stored as it is).
inline void ShowFunction(const fw::ComboBox& list, int code) { list.SetCurSel(actions::IsValidCode(code) ? code : -1); }

// The slot whose list has this id, or -1.
inline int SlotOfFunctionList(int id) {
  for (int slot = 0; slot < actions::kButtonSlotCount; ++slot)
    if (kFunctionListIds[slot] == id) return slot;
  return -1;
}

}  // namespace sheet
