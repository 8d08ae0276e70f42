#include "actions/catalogue.h"

#include <array>

namespace catalogue {
namespace {

struct Row {
  const char* text;
  FunctionKind kind;
};

// Index = function code. The texts are the ones users have always seen; the
// trailing blanks of "Startmenü " and "Hot-Button-Menü " belong to them.
constexpr std::array<Row, kFunctionCount> kRows = {{
    {"Klicken", FunctionKind::Held},
    {"AutoScroll", FunctionKind::Held},
    {"Rechtsklicken", FunctionKind::Held},
    {"Zurück", FunctionKind::OneShot},
    {"Weiter", FunctionKind::OneShot},
    {"Alt", FunctionKind::Held},
    {"Rücktaste", FunctionKind::Held},
    {"KlickEinrasten", FunctionKind::Held},
    {"Schließen", FunctionKind::OneShot},
    {"Kopieren (Strg+C)", FunctionKind::OneShot},
    {"Strg", FunctionKind::Held},
    {"Ausschneiden (Strg+X)", FunctionKind::OneShot},
    {"Löschen", FunctionKind::Held},
    {"Doppelklicken", FunctionKind::OneShot},
    {"Eingabe", FunctionKind::Held},
    {"Esc", FunctionKind::Held},
    {"Arbeitsplatz öffnen", FunctionKind::OneShot},
    {"Bild runter", FunctionKind::Held},
    {"Bild hoch", FunctionKind::Held},
    {"Favoritenordner", FunctionKind::OneShot},
    {"Nach Computer suchen", FunctionKind::OneShot},
    {"Nach Dateien oder Ordnern suchen", FunctionKind::OneShot},
    {"Maximieren", FunctionKind::OneShot},
    {"Minimieren", FunctionKind::OneShot},
    {"Einfügen (Strg+V)", FunctionKind::OneShot},
    {"Fenster zurückholen (Alt+Tab)", FunctionKind::OneShot},
    {"Wiederherstellen (Strg+Y)", FunctionKind::OneShot},
    {"Ausführen...", FunctionKind::OneShot},
    {"Alle auswählen (Strg+A)", FunctionKind::OneShot},
    {"Umschalttaste", FunctionKind::Held},
    {"Leertaste", FunctionKind::Held},
    {"Startmenü ", FunctionKind::Held},
    {"Tab", FunctionKind::Held},
    {"Rückgängig (Strg+Z)", FunctionKind::OneShot},
    {"Alle minimieren/Rückgängig", FunctionKind::OneShot},
    {"F1 (Hilfe)", FunctionKind::Held},
    {"F2", FunctionKind::Held},
    {"F3", FunctionKind::Held},
    {"F4", FunctionKind::Held},
    {"F5 (Aktualisieren)", FunctionKind::Held},
    {"F6", FunctionKind::Held},
    {"F7", FunctionKind::Held},
    {"F8", FunctionKind::Held},
    {"F9", FunctionKind::Held},
    {"F10", FunctionKind::Held},
    {"F11", FunctionKind::Held},
    {"F12", FunctionKind::Held},
    {"Hot-Button-Menü ", FunctionKind::Popup},
    {"Tastenmakro 1", FunctionKind::OneShot},
    {"Tastenmakro 2", FunctionKind::OneShot},
    {"Tastenmakro 3", FunctionKind::OneShot},
}};

constexpr int kPopupCode = 47;
// The sixth button's list has always spelled the launcher entry this way.
constexpr const char* kPopupTextSixthList = "Hot-Button-Menu";

// Index = slot: left, wheel button, right, 4th, 5th, 6th.
constexpr std::array<int, kSlotCount> kEventCodes = {32, 8, 16, 12, 14, 13};
constexpr std::array<int, kSlotCount> kFactoryDefaults = {0, 1, 2, 4, 3, 47};
// Index = resolution level.
constexpr std::array<int, 4> kResolutionEventCodes = {36, 40, 44, 48};

bool IsValidSlot(int slot) { return slot >= 0 && slot < kSlotCount; }

}  // namespace

bool IsValidCode(int code) { return code >= 0 && code < kFunctionCount; }

FunctionKind KindOf(int code) { return kRows[static_cast<std::size_t>(code)].kind; }

const char* ListText(int code, bool sixthList) {
  if (!IsValidCode(code)) return nullptr;
  if (sixthList && code == kPopupCode) return kPopupTextSixthList;
  return kRows[static_cast<std::size_t>(code)].text;
}

int SlotOfEventCode(int eventCode) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (kEventCodes[static_cast<std::size_t>(slot)] == eventCode) return slot;
  }
  return -1;
}

int EventCodeOfSlot(int slot) {
  return IsValidSlot(slot) ? kEventCodes[static_cast<std::size_t>(slot)] : -1;
}

int StoredDefault(int slot) { return IsValidSlot(slot) ? slot : -1; }

int FactoryDefault(int slot) {
  return IsValidSlot(slot) ? kFactoryDefaults[static_cast<std::size_t>(slot)] : -1;
}

int ResolutionLevelOfEventCode(int eventCode) {
  for (std::size_t level = 0; level < kResolutionEventCodes.size(); ++level) {
    if (kResolutionEventCodes[level] == eventCode) return static_cast<int>(level);
  }
  return -1;
}

}  // namespace catalogue
