// The button functions the user can give to the mouse's buttons: their codes, the
// texts of the drop-down lists, how each one reacts to press and release, and how
// the hook's event codes name a button or a resolution level. Portable: no Windows
// headers.
#pragma once

namespace catalogue {

constexpr int kFunctionCount = 51;  // codes 0..50; any other value means "no function"
constexpr int kSlotCount = 6;       // left, wheel button, right, 4th, 5th, 6th

enum class FunctionKind {
  Held,     // press sends the down half, release the up half
  OneShot,  // press does nothing; release performs the whole action
  Popup,    // either notification opens the Hot Button launcher
};

bool IsValidCode(int code);

// Precondition: IsValidCode(code).
FunctionKind KindOf(int code);

// The text a drop-down list shows for the code, in Windows-1252, or nullptr for an
// invalid code. The sixth button's list spells the launcher entry differently, so
// that list asks with sixthList = true.
const char* ListText(int code, bool sixthList = false);

// Button slot (0..5) that an event code from the hook names, or -1.
int SlotOfEventCode(int eventCode);
// Event code of slot 0..5, or -1 for any other slot.
int EventCodeOfSlot(int slot);

// Function of slot 0..5 when nothing is stored (the slot's own number), or -1.
int StoredDefault(int slot);
// Function of slot 0..5 after "Standardeinstellungen", or -1.
int FactoryDefault(int slot);

// Resolution level 0..3 that an event code reports, or -1 when it reports none.
// Only a release carries a meaningful level.
int ResolutionLevelOfEventCode(int eventCode);

}  // namespace catalogue
