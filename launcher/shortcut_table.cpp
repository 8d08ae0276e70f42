#include "launcher/shortcut_table.h"

#include <cstddef>
#include <iterator>

#include "launcher/predefined_programs.h"

namespace launcher {
namespace {

using FK = Fallback::Kind;
constexpr Fallback kNoFallback = {FK::None, ""};

// Index = slot - 1.
#define ZYFO_PREDEFINED_ROW(name, icon, program, kind, target) {name, icon, program, {FK::kind, target}},
constexpr Predefined kPredefined[] = {ZYFO_PREDEFINED_PROGRAMS(ZYFO_PREDEFINED_ROW)};
#undef ZYFO_PREDEFINED_ROW
static_assert(std::size(kPredefined) == kSlotsPerPage, "one predefined program per slot of page 1");

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
  if (slot < 1 || slot > kShortcutSlotCount) return {};
  if (slot <= 9) return std::string(1, static_cast<char>('0' + slot));
  return std::string(1, static_cast<char>('a' + (slot - 10)));
}

Table DefaultTable() {
  Table table;
  for (int slot = 1; slot <= kShortcutSlotCount; ++slot) {
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
