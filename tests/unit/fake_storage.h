// A settings storage in memory with the two access paths' rules about missing
// keys: the profile path creates its section, the raw path never does.
#pragma once

#include <map>
#include <set>
#include <string>

#include "settings/storage.h"

namespace testsupport {

class FakeStorage : public settings::SettingsStorage {
 public:
  std::set<std::string> sections;
  std::map<std::string, std::int32_t> dwords;  // "section\name"
  std::map<std::string, std::string> strings;
  int writes = 0;

  static std::string Key(const std::string& section, const std::string& name) { return section + "\\" + name; }

  std::optional<std::int32_t> ReadProfileInt(const std::string& section, const std::string& name) override {
    sections.insert(section);
    return Find(section, name);
  }
  bool WriteProfileInt(const std::string& section, const std::string& name, std::int32_t value) override {
    sections.insert(section);
    ++writes;
    dwords[Key(section, name)] = value;
    return true;
  }
  std::optional<std::int32_t> ReadRegDword(const std::string& section, const std::string& name) override {
    return sections.count(section) ? Find(section, name) : std::nullopt;
  }
  bool WriteRegDword(const std::string& section, const std::string& name, std::int32_t value) override {
    if (!sections.count(section)) return false;
    ++writes;
    dwords[Key(section, name)] = value;
    return true;
  }
  std::string ReadRegString(const std::string& section, const std::string& name) override {
    auto it = strings.find(Key(section, name));
    return sections.count(section) && it != strings.end() ? it->second : std::string();
  }
  bool WriteRegString(const std::string& section, const std::string& name, const std::string& text) override {
    if (!sections.count(section)) return false;
    ++writes;
    strings[Key(section, name)] = text.substr(0, 255);
    return true;
  }

 private:
  std::optional<std::int32_t> Find(const std::string& section, const std::string& name) const {
    auto it = dwords.find(Key(section, name));
    if (it == dwords.end()) return std::nullopt;
    return it->second;
  }
};

}  // namespace testsupport
