// What the macro page holds and shows: the three fields, which "APP" button
// may store, and the recording of one macro from the keys the keyboard hook
// reports. At most five keys, each stored as pressed and released in the same
// order; the field shows exactly the keys "APP" would store. Portable: no
// Windows headers.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/settings_model.h"
#include "sheet/key_names.h"

namespace sheet {

constexpr int kMacroKeys = settings::kMacroPressEntries;
// Five press codes, then five release codes; 0 marks an empty slot.
using MacroRecord = settings::KeyMacro;
using StoredMacros = std::array<MacroRecord, settings::kMacroCount>;

class MacroRecorder {
 public:
  // The page opened: each field shows its stored macro, nothing is recorded,
  // no "APP" may store.
  void Open(const StoredMacros& stored, const KeyNamer& names);
  // Macro 1..3 chosen: its field empties and recording starts afresh. A macro
  // that was being recorded and not stored shows its stored keys again.
  void Choose(int macro);
  // One key from the hook. Taken while recording, when the sheet had the
  // keyboard, and while fewer than five are held; every report counts, so a
  // key reported twice fills two slots. False when the key was not taken.
  bool OnKey(std::uint32_t vk, bool forSheet);
  // "APP" of macro 1..3: only the macro being recorded is stored. Recording
  // ends; the field keeps showing what was stored.
  bool Store(int macro, MacroRecord* record);
  // The page is left (another tab, the sheet closed): recording ends unstored.
  void Leave();

  bool Recording() const { return m_recording; }
  int Selected() const { return m_selected; }
  bool StoreEnabled(int macro) const { return m_recording && macro == m_selected; }
  // The field of macro 1..3.
  const std::string& Text(int macro) const { return m_texts[Index(macro)]; }

 private:
  static std::size_t Index(int macro) { return static_cast<std::size_t>(macro < 1 ? 0 : macro > 3 ? 2 : macro - 1); }
  void EndRecording();
  std::string LineOf(const MacroRecord& record) const { return m_names.Line(record.data(), kMacroKeys); }

  KeyNamer m_names;
  StoredMacros m_stored{};
  std::array<std::string, settings::kMacroCount> m_texts;
  int m_selected = 0;  // 1..3 once a macro was chosen
  bool m_recording = false;
  int m_count = 0;
  MacroRecord m_buffer{};
};

}  // namespace sheet
