#include "app/settings_schema.h"

namespace settings {

std::string KeyValueName(int index) { return "key" + std::to_string(index); }

std::string MacroValueName(int index) { return "keyCombination" + std::to_string(index); }

std::string ShortcutValueName(int slot) { return "ShortcutKey #" + std::to_string(slot); }

std::string ClampShortcutText(const std::string& text) {
  return text.size() > kShortcutMaxChars ? text.substr(0, kShortcutMaxChars) : text;
}

bool WheelLinesNeedReset(unsigned lines) { return lines == 0; }

int AccelerationPresetIndex(const AccelerationTriple& triple) {
  for (std::size_t i = 0; i < kAccelerationPresets.size(); ++i) {
    if (kAccelerationPresets[i] == triple) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace settings
