#include "actions/catalogue.h"

#include <array>
#include <iterator>

namespace actions {
namespace {

constexpr int kNone = makerlibs::kNoSlot;

constexpr Function HeldButton(const char* text, std::uint32_t down, std::uint32_t up, int nativeSlot) {
  return {text, Behaviour::MouseButton, down, up, ForegroundRule::Any, nativeSlot};
}
constexpr Function HeldKey(const char* text, std::uint8_t vk) {
  return {text, Behaviour::Key, vk, 0, ForegroundRule::Any, kNone};
}
constexpr Function XClick(const char* text, std::uint32_t xButton) {
  return {text, Behaviour::XClick, xButton, 0, ForegroundRule::Any, kNone};
}
constexpr Function Shortcut(const char* text, std::uint8_t modifier, std::uint8_t key) {
  return {text, Behaviour::Shortcut, modifier, key, ForegroundRule::Any, kNone};
}
constexpr Function Post(const char* text, std::uint32_t message, std::uint32_t wParam, ForegroundRule rule) {
  return {text, Behaviour::Post, message, wParam, rule, kNone};
}
constexpr Function Shell(const char* text, ShellAction action) {
  return {text, Behaviour::Shell, static_cast<std::uint32_t>(action), 0, ForegroundRule::Any, kNone};
}
constexpr Function Macro(const char* text, std::uint32_t index) {
  return {text, Behaviour::MacroReplay, index, 0, ForegroundRule::Any, kNone};
}
constexpr Function FunctionKey(const char* text, int n) { return HeldKey(text, static_cast<std::uint8_t>(kVkF1 + n - 1)); }

// Index = function code. The texts are the ones users have always seen.
// Unsized, so that a missing or extra row fails the size check below rather
// than leaving a code with an empty row.
constexpr Function kFunctions[] = {
    HeldButton("Klicken", kMouseLeftDown, kMouseLeftUp, makerlibs::kSlotLeft),
    HeldButton("AutoScroll", kMouseMiddleDown, kMouseMiddleUp, makerlibs::kSlotWheel),
    HeldButton("Rechtsklicken", kMouseRightDown, kMouseRightUp, makerlibs::kSlotRight),
    XClick("Zurück", kXButton1),
    XClick("Weiter", kXButton2),
    HeldKey("Alt", kVkMenu),
    HeldKey("Rücktaste", kVkBack),
    // Click lock is a plain click here; any lock mode is the target's.
    HeldButton("KlickEinrasten", kMouseLeftDown, kMouseLeftUp, makerlibs::kSlotLeft),
    Post("Schließen", kWmClose, 0, ForegroundRule::Any),
    Shortcut("Kopieren (Strg+C)", kVkControl, 'C'),
    HeldKey("Strg", kVkControl),
    Shortcut("Ausschneiden (Strg+X)", kVkControl, 'X'),
    HeldKey("Löschen", kVkDelete),
    {"Doppelklicken", Behaviour::DoubleClick, 0, 0, ForegroundRule::Any, kNone},
    HeldKey("Eingabe", kVkReturn),
    HeldKey("Esc", kVkEscape),
    Shell("Arbeitsplatz öffnen", ShellAction::OpenDrivesFolder),
    HeldKey("Bild runter", kVkNext),
    HeldKey("Bild hoch", kVkPrior),
    Post("Favoritenordner", kWmCommand, kFavoritesCommand, ForegroundRule::Any),
    Shell("Nach Computer suchen", ShellAction::FindComputer),
    Shell("Nach Dateien oder Ordnern suchen", ShellAction::FindFiles),
    Post("Maximieren", kWmSysCommand, kScMaximize, ForegroundRule::NotTaskbar),
    Post("Minimieren", kWmSysCommand, kScMinimize, ForegroundRule::NotMinimisedTaskbarOrTab),
    Shortcut("Einfügen (Strg+V)", kVkControl, 'V'),
    Shortcut("Fenster zurückholen (Alt+Tab)", kVkMenu, kVkTab),
    Shortcut("Wiederherstellen (Strg+Y)", kVkControl, 'Y'),
    Shell("Ausführen...", ShellAction::FileRun),
    Shortcut("Alle auswählen (Strg+A)", kVkControl, 'A'),
    HeldKey("Umschalttaste", kVkShift),
    HeldKey("Leertaste", kVkSpace),
    HeldKey("Startmenü ", kVkLWin),
    HeldKey("Tab", kVkTab),
    Shortcut("Rückgängig (Strg+Z)", kVkControl, 'Z'),
    Shell("Alle minimieren/Rückgängig", ShellAction::ShowDesktop),
    FunctionKey("F1 (Hilfe)", 1),
    FunctionKey("F2", 2),
    FunctionKey("F3", 3),
    FunctionKey("F4", 4),
    FunctionKey("F5 (Aktualisieren)", 5),
    FunctionKey("F6", 6),
    FunctionKey("F7", 7),
    FunctionKey("F8", 8),
    FunctionKey("F9", 9),
    FunctionKey("F10", 10),
    FunctionKey("F11", 11),
    FunctionKey("F12", 12),
    {"Hot-Button-Menü ", Behaviour::Launcher, 0, 0, ForegroundRule::Any, kNone},
    Macro("Tastenmakro 1", 0),
    Macro("Tastenmakro 2", 1),
    Macro("Tastenmakro 3", 2),
};
static_assert(std::size(kFunctions) == kFunctionCount, "the catalogue needs exactly one row per function code");

// The hook decides by the shared contract which functions a button does by
// itself; the rows must say exactly the same.
constexpr bool NativeColumnAgreesWithContract() {
  for (int code = 0; code < kFunctionCount; ++code)
    for (int slot = 0; slot < kButtonSlotCount; ++slot)
      if ((kFunctions[code].nativeSlot == slot) != makerlibs::IsNativeFunction(slot, code))
        return false;
  return true;
}
static_assert(NativeColumnAgreesWithContract(), "catalogue and hook contract disagree on native functions");

// The sixth button's list has always spelled the launcher entry this way.
constexpr const char* kLauncherTextSixthList = "Hot-Button-Menu";

// Index = slot: left, wheel button, right, 4th, 5th, 6th.
constexpr std::array<int, kButtonSlotCount> kFactoryDefaults = {0, 1, 2, 4, 3, 47};

}  // namespace

bool IsValidCode(int code) { return makerlibs::IsValidFunction(code); }

const Function& FunctionOf(int code) { return kFunctions[code]; }

FunctionKind KindOf(int code) {
  switch (FunctionOf(code).behaviour) {
    case Behaviour::MouseButton:
    case Behaviour::Key:
      return FunctionKind::Held;
    case Behaviour::Launcher:
      return FunctionKind::Popup;
    default:
      return FunctionKind::OneShot;
  }
}

const char* ListText(int code, bool sixthList) {
  if (!IsValidCode(code)) return nullptr;
  if (sixthList && FunctionOf(code).behaviour == Behaviour::Launcher) return kLauncherTextSixthList;
  return FunctionOf(code).text;
}

int FactoryDefault(int slot) {
  return makerlibs::IsValidSlot(slot) ? kFactoryDefaults[static_cast<std::size_t>(slot)] : -1;
}

}  // namespace actions
