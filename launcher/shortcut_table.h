// The Hot Button launcher's eighteen program slots: what the stored text of a slot
// means, what clicking it starts, which icon the popup shows for it, and the labels
// the user types to pick one. Portable: no Windows headers.
#pragma once

#include <functional>
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

// Index 0 = slot 1. Single-byte (Windows-1252) texts.
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
  const char* program;  // file opened through the shell
  Fallback fallback;    // started only when `program` cannot be
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

struct LaunchDecision {
  enum class Kind {
    Nothing,
    OpenPredefined,  // target = program file name, opened with the shell verb "open"; slot = its slot
    StartFile,       // target = full path of an existing file, started as it is
    RunCommandLine,  // target = the stored text, run as a command line
  } kind;
  std::string target;
  int slot = 0;
};

// What a click on entry `index` of launcher page `page` starts. isExistingFile is
// asked whether the whole stored text names an existing file.
LaunchDecision DecideLaunch(int page, int index, const Table& texts,
                            const std::function<bool(const std::string&)>& isExistingFile);

struct IconChoice {
  enum class Kind {
    Resource,  // resourceId
    FromFile,  // the first icon of `file`; none if it has no icon
    None,
  } kind;
  int resourceId;
  std::string file;
};

// The icon the popup shows for slot 1..18 holding `text`.
IconChoice PopupIconFor(int slot, const std::string& text);

// The icon the settings page previews for a row holding `text`: a predefined
// name's own icon in whichever row, the file's first icon for anything else,
// none for an empty or blank row.
IconChoice PreviewIconFor(const std::string& text);

}  // namespace launcher
