// The button functions the user can give to the mouse's buttons. One row per
// function code holds everything about it: the text of the drop-down lists,
// which button does it by itself, and what it performs. The input planner, the
// Buttons page and the tests read the rows; nobody keeps a copy of a code.
// Portable: no Windows headers.
#pragma once

#include <cstdint>

#include "actions/input_ops.h"
#include "makerlibs/include/maker_contract.h"

namespace actions {

constexpr int kFunctionCount = makerlibs::kFunctionCount;  // codes 0..50; any other value means "no function"
constexpr int kButtonSlotCount = makerlibs::kButtonSlotCount;  // left, wheel button, right, 4th, 5th, 6th
constexpr int kSixthSlot = makerlibs::kSlotSixth;

enum class FunctionKind {
  Held,     // press sends the down half, release the up half
  OneShot,  // press does nothing; release performs the whole action
  Popup,    // either notification opens the Hot Button launcher
};

// What a function performs. The kind follows from it.
enum class Behaviour {
  MouseButton,   // held mouse button: a = down flag, b = up flag
  Key,           // held key: a = virtual key
  XClick,        // X button click on release: a = XBUTTON1/XBUTTON2
  Shortcut,      // a = modifier, b = key: modifier down, key down, modifier up, key up
  DoubleClick,   // two left clicks on release
  Post,          // a = message, b = wParam, posted to the foreground window under `rule`
  Shell,         // a = ShellAction
  Launcher,      // opens the Hot Button popup on press and on release
  MacroReplay,   // a = macro index 0..2
};

struct Function {
  const char* text;  // Windows-1252; the trailing blanks of two texts belong to them
  Behaviour behaviour;
  std::uint32_t a;
  std::uint32_t b;
  ForegroundRule rule;
  int nativeSlot;  // the slot whose own function this is, or makerlibs::kNoSlot
};

bool IsValidCode(int code);

// The row of a code. Precondition: IsValidCode(code).
const Function& FunctionOf(int code);

// Precondition: IsValidCode(code).
FunctionKind KindOf(int code);

// The text a drop-down list shows for the code, in Windows-1252, or nullptr for an
// invalid code. The sixth button's list spells the launcher entry differently, so
// that list asks with sixthList = true.
const char* ListText(int code, bool sixthList = false);

// Function of slot 0..5 after "Standardeinstellungen", or -1.
int FactoryDefault(int slot);

}  // namespace actions
