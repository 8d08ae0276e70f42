#include "launcher/shortcut_table.h"

#include <cstddef>

namespace launcher {
namespace {

using FK = Fallback::Kind;
constexpr Fallback kNoFallback = {FK::None, ""};

// Index = slot - 1. The pairing of names and programs is the one users' stored
// settings were made with, slots 6 and 7 included, so it must not be "corrected".
// The listed program is always tried first; the stand-ins only serve where it
// is gone from the system (the old mixer, mail and browser programs).
constexpr std::array<Predefined, kSlotsPerPage> kPredefined = {{
    {"Volume Control", 1013, "sndvol32.exe", {FK::Program, "sndvol.exe"}},
    {"Command Prompt", 155, "cmd.exe", kNoFallback},
    {"Control Panel", 156, "control.exe", kNoFallback},
    {"Magnifier", 157, "magnify.exe", kNoFallback},
    {"Outlook Express", 158, "msimn.exe", {FK::DefaultHandler, "mailto"}},
    // The listed USERINIT.exe exists on every Windows and re-runs the logon
    // there: the slot opens the Documents folder it always meant instead.
    {"MyDocument", 159, "", {FK::DocumentsFolder, ""}},
    {"Internet Explorer", 160, "wupdmgr.exe", {FK::DefaultHandler, "http"}},
    {"Notepad", 161, "notepad.exe", kNoFallback},
    {"Calculator", 186, "calc.exe", kNoFallback},
}};

constexpr Predefined kNoPredefined = {"", 0, "", kNoFallback};

bool IsPredefinedSlot(int slot) { return slot >= 1 && slot <= kSlotsPerPage; }

bool HoldsOwnPredefinedName(int slot, const std::string& text) {
  return IsPredefinedSlot(slot) && text == PredefinedOf(slot).name;
}

}  // namespace

const Predefined& PredefinedOf(int slot) {
  return IsPredefinedSlot(slot) ? kPredefined[static_cast<std::size_t>(slot - 1)]
                                : kNoPredefined;
}

int PredefinedIconForName(const std::string& text) {
  for (const Predefined& row : kPredefined) {
    if (text == row.name) return row.iconId;
  }
  return 0;
}

SlotMeaning MeaningOf(int slot, const std::string& text) {
  if (HoldsOwnPredefinedName(slot, text)) return SlotMeaning::Predefined;
  if (text == kBlankMarker) return SlotMeaning::Unassigned;
  return SlotMeaning::CommandLine;
}

std::string SlotLabel(int slot) {
  if (slot < 1 || slot > kSlotCount) return {};
  if (slot <= 9) return std::string(1, static_cast<char>('0' + slot));
  return std::string(1, static_cast<char>('a' + (slot - 10)));
}

Table DefaultTable() {
  Table table;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    table[static_cast<std::size_t>(slot - 1)] =
        IsPredefinedSlot(slot) ? PredefinedOf(slot).name : kBlankMarker;
  }
  return table;
}

int SlotOf(int page, int index) {
  if (page < 1 || page > 2 || index < 1 || index > kSlotsPerPage) return -1;
  return (page - 1) * kSlotsPerPage + index;
}

}  // namespace launcher
