// A settings storage in memory with the two access paths' rules about missing
// keys: the profile path creates its section, the raw path never does. A
// section "a\b" is the key b below a; names are compared as they are.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "settings/storage.h"

namespace testsupport {

class FakeStorage : public settings::SettingsStorage {
 public:
  std::set<std::string> sections;
  std::map<std::string, std::int32_t> dwords;  // "section\name"
  std::map<std::string, std::string> strings;
  int writes = 0;
  int deletes = 0;

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
  std::vector<std::string> ReadSubsections(const std::string& section) override {
    std::set<std::string> names;
    const std::string prefix = section + "\\";
    for (const std::string& other : sections) {
      if (other.compare(0, prefix.size(), prefix) != 0) continue;
      names.insert(other.substr(prefix.size(), other.find('\\', prefix.size()) - prefix.size()));
    }
    return {names.begin(), names.end()};
  }
  bool DeleteSection(const std::string& section) override {
    ++deletes;
    const std::string prefix = section + "\\";
    const auto inside = [&](const std::string& key) {
      return key == section || key.compare(0, prefix.size(), prefix) == 0;
    };
    for (auto it = sections.begin(); it != sections.end();) it = inside(*it) ? sections.erase(it) : std::next(it);
    for (auto it = dwords.begin(); it != dwords.end();) it = inside(it->first) ? dwords.erase(it) : std::next(it);
    for (auto it = strings.begin(); it != strings.end();) it = inside(it->first) ? strings.erase(it) : std::next(it);
    return true;
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
