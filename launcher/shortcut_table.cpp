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

LaunchDecision DecideLaunch(int page, int index, const Table& texts,
                            const std::function<bool(const std::string&)>& isExistingFile) {
  const int slot = SlotOf(page, index);
  if (slot < 0) return {LaunchDecision::Kind::Nothing, {}};
  const std::string& text = texts[static_cast<std::size_t>(slot - 1)];
  // Only the predefined page compares names; on the user's page a text that happens
  // to read "Calculator" is a command line like any other.
  if (page == 1 && HoldsOwnPredefinedName(slot, text)) {
    return {LaunchDecision::Kind::OpenPredefined, PredefinedOf(slot).program, slot};
  }
  if (text.empty() || text == kBlankMarker) return {LaunchDecision::Kind::Nothing, {}};
  // A path with spaces that names an existing file is started whole; run as a
  // command line it would be split at the first space and could start another
  // program (e.g. "C:\Program.exe") instead.
  if (isExistingFile && isExistingFile(text)) return {LaunchDecision::Kind::StartFile, text};
  return {LaunchDecision::Kind::RunCommandLine, text};
}

IconChoice PopupIconFor(int slot, const std::string& text) {
  if (HoldsOwnPredefinedName(slot, text)) {
    return {IconChoice::Kind::Resource, PredefinedOf(slot).iconId, {}};
  }
  if (text == kBlankMarker) return {IconChoice::Kind::Resource, kUnassignedIcon, {}};
  if (text.empty()) return {IconChoice::Kind::None, 0, {}};
  return {IconChoice::Kind::FromFile, 0, text};
}

IconChoice PreviewIconFor(const std::string& text) {
  if (int icon = PredefinedIconForName(text)) return {IconChoice::Kind::Resource, icon, {}};
  if (text.empty() || text == kBlankMarker) return {IconChoice::Kind::None, 0, {}};
  return {IconChoice::Kind::FromFile, 0, text};
}

}  // namespace launcher
