// Where the settings model keeps its values: the per-user registry in the
// program, a map in the unit tests. Portable: no Windows headers.
//
// Two access paths exist side by side and differ in what happens to missing
// keys, which stored settings have always relied on:
// - the profile path creates the profile root and the section on the way, for
//   reads and writes alike;
// - the raw path never creates a key: reading an absent key gives nothing,
//   writing to it does nothing.
// Sections are the names below the profile root (schema.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace settings {

class SettingsStorage {
 public:
  virtual ~SettingsStorage() = default;

  // Profile path. A value that is absent or not a 4-byte DWORD reads as nothing.
  virtual std::optional<std::int32_t> ReadProfileInt(const std::string& section, const std::string& name) = 0;
  virtual bool WriteProfileInt(const std::string& section, const std::string& name, std::int32_t value) = 0;

  // Raw path.
  virtual std::optional<std::int32_t> ReadRegDword(const std::string& section, const std::string& name) = 0;
  virtual bool WriteRegDword(const std::string& section, const std::string& name, std::int32_t value) = 0;
  // Texts up to the writer's limit; empty when absent or longer than any writer stores.
  virtual std::string ReadRegString(const std::string& section, const std::string& name) = 0;
  // Cuts a text at the writer's limit of 255 characters.
  virtual bool WriteRegString(const std::string& section, const std::string& name, const std::string& text) = 0;
  // Names of the keys directly below the section; empty when it is absent. Never creates a key.
  virtual std::vector<std::string> ReadSubsections(const std::string& section) = 0;
  // Removes the section's key with its values (and its own subkeys). True when it is gone afterwards.
  virtual bool DeleteSection(const std::string& section) = 0;
};

}  // namespace settings
