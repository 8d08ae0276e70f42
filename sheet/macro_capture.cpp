#include "sheet/macro_capture.h"

#include "sheet/key_names.h"

namespace sheet {

void MacroCapture::Start(int macro) {
  m_capturing = true;
  m_count = 0;
  m_buffer.fill(0);
  m_line.clear();
  m_selected = macro;
}

bool MacroCapture::OnKey(std::uint32_t vk) {
  if (!m_capturing || m_count >= kMacroKeys) return false;
  AppendKeyName(m_line, vk);
  m_buffer[static_cast<std::size_t>(m_count)] = static_cast<std::int32_t>(vk);
  m_buffer[static_cast<std::size_t>(kMacroKeys + m_count)] = static_cast<std::int32_t>(vk);
  ++m_count;
  return true;
}

std::string MacroLine(const MacroRecord& record) {
  std::string line;
  for (int i = 0; i < kMacroKeys; ++i) AppendKeyName(line, static_cast<std::uint32_t>(record[static_cast<std::size_t>(i)]));
  return line;
}

}  // namespace sheet
