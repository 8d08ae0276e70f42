// The registry layout of the program's settings: the profile root, its
// sections, value names, the sizes of the tables and the limits of the stored
// texts. Portable: no Windows headers.
#pragma once

#include <cstddef>
#include <string>

namespace settings {

// Profile root: HKEY_CURRENT_USER\Software\<kRegistryKey>\<application title>.
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

constexpr const char* kValueWheelType = "WheelType";
constexpr const char* kValueMouseDpi = "MouseDpi";
constexpr const char* kValueMenuX = "x";
constexpr const char* kValueMenuY = "y";

constexpr int kButtonCount = 6;
constexpr int kMacroCount = 3;
constexpr int kMacroEntries = 10;     // five press codes, then five release codes
constexpr int kMacroPressEntries = 5;
constexpr int kMacroTableSize = kMacroCount * kMacroEntries;
constexpr int kSpeedCount = 2;        // X, then Y
constexpr int kShortcutCount = 18;

// "key%d": a button function (0..5) or a device speed (0..1).
std::string KeyValueName(int index);
// "keyCombination%d", index 0..29.
std::string MacroValueName(int index);
// "ShortcutKey #1" .. "ShortcutKey #18" for slot 1..18.
std::string ShortcutValueName(int slot);

// A shortcut text is written from a 256-character buffer: at most 255 characters.
constexpr std::size_t kShortcutMaxChars = 255;

}  // namespace settings
