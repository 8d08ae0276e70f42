#include "settings/registry_store_win.h"

#include <windows.h>

#include "framework/handles_win.h"
#include "framework/wide_text_win.h"
#include "settings/schema.h"

namespace settings {
namespace {

// Opens an existing key; never creates one. Empty when it is not there.
fw::UniqueRegKey OpenKey(const std::string& path, REGSAM access) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, access, &key) != ERROR_SUCCESS) return fw::UniqueRegKey();
  return fw::UniqueRegKey(key);
}

// Opens the key, creating it and every missing key above it.
fw::UniqueRegKey CreateKey(const std::string& path) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
    return fw::UniqueRegKey();
  return fw::UniqueRegKey(key);
}

std::optional<std::int32_t> QueryDword(HKEY key, const std::string& name) {
  if (!key) return std::nullopt;
  DWORD value = 0, type = 0, size = sizeof value;
  if (::RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof value)
    return std::nullopt;
  return static_cast<std::int32_t>(value);
}

bool SetDword(HKEY key, const std::string& name, std::int32_t value) {
  if (!key) return false;
  const DWORD data = static_cast<DWORD>(value);
  return ::RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
         ERROR_SUCCESS;
}

}  // namespace

void RegistryStore::SetProfileRoot(const std::string& registryKey, const std::string& appName) {
  m_root = "Software\\" + registryKey + "\\" + appName;
}

std::optional<std::int32_t> RegistryStore::ReadProfileInt(const std::string& section, const std::string& name) {
  return QueryDword(CreateKey(SectionPath(section)).get(), name);
}

bool RegistryStore::WriteProfileInt(const std::string& section, const std::string& name, std::int32_t value) {
  return SetDword(CreateKey(SectionPath(section)).get(), name, value);
}

std::optional<std::int32_t> RegistryStore::ReadRegDword(const std::string& section, const std::string& name) {
  return QueryDword(OpenKey(SectionPath(section), KEY_ALL_ACCESS).get(), name);
}

bool RegistryStore::WriteRegDword(const std::string& section, const std::string& name, std::int32_t value) {
  return SetDword(OpenKey(SectionPath(section), KEY_ALL_ACCESS).get(), name, value);
}

// Shortcut texts are UTF-8 in the program and go through the registry's wide
// calls, so that a path outside the code page survives; the value stays a
// REG_SZ, and a text that fits the code page reads back through the ANSI calls
// of outside programs byte for byte as the ANSI writer stored it.
std::string RegistryStore::ReadRegString(const std::string& section, const std::string& name) {
  const fw::UniqueRegKey key = OpenKey(SectionPath(section), KEY_ALL_ACCESS);
  if (!key) return std::string();
  // Room for the longest text the writer stores plus its terminator, and one
  // more zero so that data stored without a terminator still ends. A longer
  // text does not fit and reads as empty.
  wchar_t buffer[kShortcutMaxChars + 2] = {};
  DWORD size = (kShortcutMaxChars + 1) * sizeof(wchar_t);
  DWORD type = 0;
  if (::RegQueryValueExW(key.get(), fw::Wide(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return std::string();
  return fw::Utf8(buffer);
}

bool RegistryStore::WriteRegString(const std::string& section, const std::string& name, const std::string& text) {
  std::wstring stored = fw::Wide(text);
  if (stored.size() > kShortcutMaxChars) {
    // Cut at the writer's limit, but never between the halves of a character.
    std::size_t keep = kShortcutMaxChars;
    if (stored[keep - 1] >= 0xD800 && stored[keep - 1] <= 0xDBFF) --keep;
    stored.resize(keep);
  }
  const fw::UniqueRegKey key = OpenKey(SectionPath(section), KEY_WRITE);
  if (!key) return false;
  return ::RegSetValueExW(key.get(), fw::Wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(stored.c_str()),
                          static_cast<DWORD>((stored.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// Names in the code page, as the narrow calls of the other sections take them.
// A name longer than a key name may be (255) does not fit and is skipped.
std::vector<std::string> RegistryStore::ReadSubsections(const std::string& section) {
  std::vector<std::string> names;
  const fw::UniqueRegKey key = OpenKey(SectionPath(section), KEY_READ);
  if (!key) return names;
  for (DWORD index = 0;; ++index) {
    char name[256] = {};
    DWORD length = sizeof name;
    const LONG result = ::RegEnumKeyExA(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_MORE_DATA) continue;
    if (result != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  return names;
}

bool RegistryStore::DeleteSection(const std::string& section) {
  const std::string path = SectionPath(section);
  // With a subkey name, RegDeleteTree removes that key itself after all it holds (seen under Wine too).
  const LONG result = ::RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

}  // namespace settings
