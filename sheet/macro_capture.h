// Recording one of the three key macros from the keys the keyboard hook
// reports: at most five keys, each stored as pressed and released in the same
// order, shown by their names. Portable: no Windows headers.
#pragma once

#include <cstdint>
#include <string>

#include "settings/settings_model.h"

namespace sheet {

constexpr int kMacroKeys = settings::kMacroPressEntries;
// Five press codes, then five release codes; 0 marks an empty slot.
using MacroRecord = settings::KeyMacro;

class MacroCapture {
 public:
  // The page opened: nothing is being recorded.
  void Stop() { m_capturing = false; }
  // Macro 1..3 chosen: start afresh, with an empty buffer and an empty line.
  void Start(int macro);
  // One key from the hook. Taken only while recording and while fewer than
  // five are held; every report counts, so a key reported twice fills two slots.
  // A code without a name is stored all the same, but adds nothing to the line.
  bool OnKey(std::uint32_t vk);

  bool Capturing() const { return m_capturing; }
  int Selected() const { return m_selected; }
  int Count() const { return m_count; }
  const MacroRecord& Record() const { return m_buffer; }
  // The names of the keys taken so far, e.g. " Ctrl  Alt  Z ".
  const std::string& Line() const { return m_line; }

 private:
  int m_selected = 0;  // 1..3 once a macro was chosen
  bool m_capturing = false;
  int m_count = 0;
  MacroRecord m_buffer{};
  std::string m_line;
};

// The line of names of a stored macro's press codes.
std::string MacroLine(const MacroRecord& record);

}  // namespace sheet
