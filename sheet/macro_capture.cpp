#include "sheet/macro_capture.h"

namespace sheet {

void MacroRecorder::Open(const StoredMacros& stored, const KeyNamer& names) {
  m_names = names;
  m_stored = stored;
  m_recording = false;
  m_selected = 0;
  for (std::size_t m = 0; m < m_stored.size(); ++m) m_texts[m] = LineOf(m_stored[m]);
}

void MacroRecorder::EndRecording() {
  if (m_recording && m_selected) m_texts[Index(m_selected)] = LineOf(m_stored[Index(m_selected)]);
  m_recording = false;
}

void MacroRecorder::Choose(int macro) {
  if (macro < 1 || macro > settings::kMacroCount) return;
  EndRecording();
  m_selected = macro;
  m_recording = true;
  m_count = 0;
  m_buffer.fill(0);
  m_texts[Index(macro)].clear();
}

bool MacroRecorder::OnKey(std::uint32_t vk, bool forSheet) {
  if (!m_recording || !forSheet || m_count >= kMacroKeys) return false;
  m_buffer[static_cast<std::size_t>(m_count)] = static_cast<std::int32_t>(vk);
  m_buffer[static_cast<std::size_t>(kMacroKeys + m_count)] = static_cast<std::int32_t>(vk);
  ++m_count;
  m_texts[Index(m_selected)] = LineOf(m_buffer);
  return true;
}

bool MacroRecorder::Store(int macro, MacroRecord* record) {
  if (!StoreEnabled(macro)) return false;
  m_stored[Index(macro)] = m_buffer;
  *record = m_buffer;
  m_recording = false;
  return true;
}

void MacroRecorder::Leave() { EndRecording(); }

}  // namespace sheet
