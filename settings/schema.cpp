#include "settings/schema.h"

namespace settings {

std::string KeyValueName(int index) { return "key" + std::to_string(index); }

std::string ProgramSection(const std::string& name) { return std::string(kSectionPrograms) + "\\" + name; }

std::string MacroValueName(int index) { return "keyCombination" + std::to_string(index); }

std::string ShortcutValueName(int slot) { return ZYFO_SHORTCUT_VALUE_PREFIX + std::to_string(slot); }

}  // namespace settings
