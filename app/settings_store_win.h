// The raw registry path: full sub-key paths under HKEY_CURRENT_USER, opened for
// one operation and closed at once. Unlike the profile path it never creates a
// key: a read of an absent key gives the empty result, a write does nothing.
#pragma once

#include <windows.h>

#include <string>

namespace settings {

// A reader with no data of its own; the tray frame, the launcher popup and the
// launcher page each hold one.
class RegistryReader {
 public:
  // The DWORD value; 0 when the key or the value is absent or is no 4-byte value.
  int ReadRegDword(const char* subKey, const char* valueName) const;
  // The text, up to the writer's limit of 255 characters; empty when the key or
  // the value is absent or the stored text is longer than any writer stores.
  std::string ReadRegString(const char* subKey, const char* valueName) const;
};

// Stores a button's function code as "key<index>" in the buttons section.
BOOL WriteButtonValue(int index, int value);
// Stores a launcher shortcut text; texts over 255 characters are cut there.
BOOL WriteShortcutValue(const char* valueName, const std::string& text);

}  // namespace settings
