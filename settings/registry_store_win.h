// The settings store in the per-user registry: both access paths below the
// profile root HKEY_CURRENT_USER\Software\<registry key>\<application title>.
// Keys are opened for one operation and closed at once. It holds nothing but
// the root, so any thread may use it.
#pragma once

#include "settings/schema.h"
#include "settings/storage.h"

namespace settings {

class RegistryStore : public SettingsStorage {
 public:
  // Software\<registryKey>\<appName>; until it is set, the root of the title the program is built with.
  void SetProfileRoot(const std::string& registryKey, const std::string& appName);
  const std::string& ProfileRoot() const { return m_root; }

  std::optional<std::int32_t> ReadProfileInt(const std::string& section, const std::string& name) override;
  bool WriteProfileInt(const std::string& section, const std::string& name, std::int32_t value) override;
  std::optional<std::int32_t> ReadRegDword(const std::string& section, const std::string& name) override;
  bool WriteRegDword(const std::string& section, const std::string& name, std::int32_t value) override;
  std::string ReadRegString(const std::string& section, const std::string& name) override;
  bool WriteRegString(const std::string& section, const std::string& name, const std::string& text) override;
  std::vector<std::string> ReadSubsections(const std::string& section) override;
  bool DeleteSection(const std::string& section) override;

 private:
  std::string SectionPath(const std::string& section) const { return m_root + "\\" + section; }

  std::string m_root = kProfileRoot;
};

}  // namespace settings
