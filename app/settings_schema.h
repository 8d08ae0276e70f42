// The registry layout of the program's settings: sections, value names, defaults
// and the limits of the stored texts. Portable: no Windows headers.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace settings {

// Profile root: HKEY_CURRENT_USER\Software\<kRegistryKey>\<kAppName>.
constexpr const char* kRegistryKey = "Trovane Mouse";
constexpr const char* kAppName = "Pelrand";

// Sections below the profile root.
constexpr const char* kSectionKey = "Setting For Key";
constexpr const char* kSectionMacro = "Setting For KeyCombination";
constexpr const char* kSectionWheel = "Setting For Wheel";
constexpr const char* kSectionMouseXY = "Setting For MouseXY";
constexpr const char* kSectionShortcut = "Setting For ShortcutKey";
constexpr const char* kSectionDpi = "Setting For Dpi";
constexpr const char* kSectionMenuPos = "MenuPos";

// Full sub-key paths of the raw (never-creating) access path, written out as the
// program has always written them; registry names are case-insensitive, so they
// all lie under the profile root.
constexpr const char* kRawKeyButtons = "SOFTWARE\\Trovane Mouse\\Pelrand\\Setting For Key";
constexpr const char* kRawKeyDpi = "SOFTWARE\\Trovane Mouse\\Pelrand\\Setting For Dpi";
constexpr const char* kRawKeyShortcut = "Software\\Trovane Mouse\\Pelrand\\Setting For ShortcutKey";
constexpr const char* kRawKeyMenuPos = "Software\\Trovane Mouse\\Pelrand\\MenuPos";

constexpr const char* kValueWheelType = "WheelType";
constexpr const char* kValueMouseDpi = "MouseDpi";
constexpr const char* kValueMenuX = "x";
constexpr const char* kValueMenuY = "y";

constexpr int kButtonCount = 6;
constexpr int kMacroCount = 3;
constexpr int kMacroEntries = 10;  // five press codes, then five release codes
constexpr int kMacroTableSize = kMacroCount * kMacroEntries;
constexpr int kSpeedCount = 2;     // X, then Y
constexpr int kShortcutCount = 18;

// "key%d": a button function (0..5) or a device speed (0..1).
std::string KeyValueName(int index);
// "keyCombination%d", index 0..29.
std::string MacroValueName(int index);
// "ShortcutKey #1" .. "ShortcutKey #18" for slot 1..18.
std::string ShortcutValueName(int slot);

// Absent "key%d", "keyCombination%d" and MouseXY values read as their own index.
constexpr int DefaultForIndex(int index) { return index; }

// A shortcut text is written from a 256-byte buffer: at most 255 characters.
constexpr std::size_t kShortcutMaxChars = 255;
// Cuts a text that would not fit the writer's buffer.
std::string ClampShortcutText(const std::string& text);

// System settings that start-up brings into a known state.
constexpr unsigned kDefaultWheelLines = 3;
// Wheel scroll lines: 0 (no scrolling at all) becomes 3; any other value, the
// one-screen-page value included, stays.
bool WheelLinesNeedReset(unsigned lines);

// The four pointer-acceleration triples (threshold 1, threshold 2, acceleration)
// that the pointer page offers: off, slow, medium, high.
using AccelerationTriple = std::array<int, 3>;
constexpr std::array<AccelerationTriple, 4> kAccelerationPresets = {{
    {0, 0, 0}, {7, 0, 1}, {4, 12, 2}, {4, 6, 2}}};
constexpr AccelerationTriple kAccelerationOff = {0, 0, 0};
// Index 0..3 of the preset equal to the triple, or -1.
int AccelerationPresetIndex(const AccelerationTriple& triple);

}  // namespace settings
