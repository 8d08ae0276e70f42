// The Hot Button launcher's eighteen program slots: what the stored text of a slot
// means, the nine predefined programs, and the labels the user picks them by.
// Portable: no Windows headers.
#pragma once

#include <string>

#include "res/resource.h"
#include "settings/schema.h"

namespace launcher {

// Slots 1..9 form page 1 (predefined programs), slots 10..18 page 2 (the user's).
constexpr int kShortcutSlotCount = settings::kShortcutCount;
constexpr int kSlotsPerPage = 9;
static_assert(kShortcutSlotCount == 2 * kSlotsPerPage, "two pages of nine");
// A slot holding exactly this text is unassigned.
constexpr const char* kBlankMarker = ZYFO_SHORTCUT_BLANK;
// Icon resource of an unassigned slot in the popup.
constexpr int kUnassignedIcon = IDI_UNASSIGNED;

// Index 0 = slot 1. UTF-8 texts; the registry holds them as UTF-16 (REG_SZ).
using Table = settings::ShortcutTable;

// What stands in for a predefined program that current Windows no longer has.
struct Fallback {
  enum class Kind {
    None,             // the listed program is all there is
    Program,          // target = program file opened through the shell
    DefaultHandler,   // the program registered for the target protocol ("mailto", "http")
    DocumentsFolder,  // the user's Documents folder
  } kind;
  const char* target;
};

struct Predefined {
  const char* name;     // the text stored in the slot
  int iconId;           // icon resource shown in the popup
  const char* program;  // file opened through the shell; empty: only the stand-in
  Fallback fallback;    // started when `program` is empty or cannot be started
};

// The predefined program of slot 1..9; an empty row for any other slot.
const Predefined& PredefinedOf(int slot);

// Icon of the predefined program whose name equals `text` exactly, whichever slot
// it belongs to, or 0. The settings page previews a typed name with it.
int PredefinedIconForName(const std::string& text);

enum class SlotMeaning {
  Predefined,   // slot 1..9 holding its own predefined name
  Unassigned,   // the blank marker
  CommandLine,  // anything else, the empty text included
};

// Exact, case-sensitive byte comparison.
SlotMeaning MeaningOf(int slot, const std::string& text);

// "1".."9", then "a".."i" (the slot number in base 19); empty for other slots.
std::string SlotLabel(int slot);

// Slots 1..9 hold their predefined names, slots 10..18 the blank marker.
Table DefaultTable();

// (page - 1) * 9 + index for page 1..2 and index 1..9, else -1.
int SlotOf(int page, int index);

}  // namespace launcher
