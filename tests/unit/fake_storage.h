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
    return ReadRegDword(section, name);
  }
  bool WriteProfileInt(const std::string& section, const std::string& name, std::int32_t value) override {
    sections.insert(section);
    return WriteRegDword(section, name, value);
  }
  std::optional<std::int32_t> ReadRegDword(const std::string& section, const std::string& name) override {
    const auto it = dwords.find(Key(section, name));
    if (!sections.count(section) || it == dwords.end()) return std::nullopt;
    return it->second;
  }
  bool WriteRegDword(const std::string& section, const std::string& name, std::int32_t value) override {
    return Put(dwords, section, name, value);
  }
  std::string ReadRegString(const std::string& section, const std::string& name) override {
    const auto it = strings.find(Key(section, name));
    return sections.count(section) && it != strings.end() ? it->second : std::string();
  }
  bool WriteRegString(const std::string& section, const std::string& name, const std::string& text) override {
    return Put(strings, section, name, text.substr(0, 255));
  }

 private:
  template <typename Value>
  bool Put(std::map<std::string, Value>& values, const std::string& section, const std::string& name, Value value) {
    if (!sections.count(section)) return false;
    ++writes;
    values[Key(section, name)] = value;
    return true;
  }
};

}  // namespace testsupport
