// The registry layout of the program's settings: the profile root, its
// sections, value names, the sizes and types of the tables and the limits of
// the stored texts. The names outside programs and the installer share are
// spelled in res/identity.h. Portable: no Windows headers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "makerlibs/include/maker_contract.h"
#include "res/identity.h"

namespace settings {

// Profile root: HKEY_CURRENT_USER\Software\<kRegistryKey>\<application title>.
constexpr const char* kRegistryKey = ZYFO_REGISTRY_KEY;
constexpr const char* kAppName = ZYFO_APP_TITLE;
// The root with the title the program is built with.
constexpr const char* kProfileRoot = ZYFO_PROFILE_ROOT;

// Sections below the profile root.
constexpr const char* kSectionKey = ZYFO_SECTION_KEY;
constexpr const char* kSectionMacro = ZYFO_SECTION_MACRO;
constexpr const char* kSectionWheel = ZYFO_SECTION_WHEEL;
constexpr const char* kSectionMouseXY = ZYFO_SECTION_MOUSEXY;
constexpr const char* kSectionShortcut = ZYFO_SECTION_SHORTCUT;
constexpr const char* kSectionDpi = ZYFO_SECTION_DPI;
constexpr const char* kSectionMenuPos = ZYFO_SECTION_MENUPOS;
constexpr const char* kSectionPrograms = ZYFO_SECTION_PROGRAMS;

constexpr const char* kValueWheelType = "WheelType";
constexpr const char* kValueMouseDpi = "MouseDpi";
constexpr const char* kValueMenuX = "x";
constexpr const char* kValueMenuY = "y";

// One stored function code per button slot of the hook contract.
constexpr int kButtonSlotCount = makerlibs::kButtonSlotCount;
constexpr int kMacroCount = 3;
constexpr int kMacroEntries = 10;     // five press codes, then five release codes
constexpr int kMacroPressEntries = 5;
constexpr int kMacroTableSize = kMacroCount * kMacroEntries;
constexpr int kSpeedCount = 2;        // X, then Y
constexpr int kShortcutCount = ZYFO_SHORTCUT_SLOTS;

// Function code of each button slot, in the contract's slot order.
using ButtonTable = std::array<std::int32_t, kButtonSlotCount>;
// Five press codes, then five release codes; 0 marks an empty entry. The low
// byte of an entry is the virtual key.
using KeyMacro = std::array<std::int32_t, kMacroEntries>;
// Macro m is entries kMacroEntries * m .. kMacroEntries * m + 9.
using MacroTable = std::array<std::int32_t, kMacroTableSize>;
// The launcher's texts; index 0 = slot 1.
using ShortcutTable = std::array<std::string, kShortcutCount>;

// "key%d": a button function (0..5) or a device speed (0..1).
std::string KeyValueName(int index);
// The section of one program's table: kSectionPrograms + "\\" + name.
std::string ProgramSection(const std::string& name);
// "keyCombination%d", index 0..29.
std::string MacroValueName(int index);
// "ShortcutKey #1" .. "ShortcutKey #18" for slot 1..18.
std::string ShortcutValueName(int slot);

// A shortcut text is written from a 256-character buffer: at most 255 characters.
constexpr std::size_t kShortcutMaxChars = 255;

}  // namespace settings
