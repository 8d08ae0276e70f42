#include "app/settings_store_win.h"

#include <cstring>

#include "app/settings_schema.h"

namespace settings {
namespace {

// An open registry key, closed when it goes out of scope.
class RegKey {
 public:
  RegKey(const char* subKey, REGSAM access) {
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, subKey, 0, access, &m_key) != ERROR_SUCCESS) m_key = nullptr;
  }
  ~RegKey() {
    if (m_key) ::RegCloseKey(m_key);
  }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  HKEY get() const { return m_key; }

 private:
  HKEY m_key = nullptr;
};

}  // namespace

int RegistryReader::ReadRegDword(const char* subKey, const char* valueName) const {
  RegKey key(subKey, KEY_ALL_ACCESS);
  if (!key.get()) return 0;
  char name[100];
  std::strncpy(name, valueName, sizeof name - 1);
  name[sizeof name - 1] = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  if (::RegQueryValueExA(key.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      size != sizeof value)
    return 0;
  return static_cast<int>(value);
}

std::string RegistryReader::ReadRegString(const char* subKey, const char* valueName) const {
  RegKey key(subKey, KEY_ALL_ACCESS);
  if (!key.get()) return std::string();
  // Room for the longest text the writer stores plus its terminator, and one
  // more zero so that data stored without a terminator still ends.
  char buffer[kShortcutMaxChars + 2] = {};
  DWORD size = kShortcutMaxChars + 1;
  if (::RegQueryValueExA(key.get(), valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) !=
      ERROR_SUCCESS)
    return std::string();
  return std::string(buffer);
}

BOOL WriteButtonValue(int index, int value) {
  RegKey key(kRawKeyButtons, KEY_ALL_ACCESS);
  if (!key.get()) return FALSE;
  std::string name = KeyValueName(index);
  DWORD data = static_cast<DWORD>(value);
  return ::RegSetValueExA(key.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
         ERROR_SUCCESS;
}

BOOL WriteShortcutValue(const char* valueName, const std::string& text) {
  std::string stored = ClampShortcutText(text);
  RegKey key(kRawKeyShortcut, KEY_WRITE);
  if (!key.get()) return FALSE;
  return ::RegSetValueExA(key.get(), valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(stored.c_str()),
                          static_cast<DWORD>(stored.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace settings
