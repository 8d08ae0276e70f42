#include "actions/button_states.h"

namespace actions {

std::optional<int> ButtonStates::Take(int eventCode, Notification notification, const ButtonTable& table) {
  const int slot = makerlibs::SlotOfEventCode(eventCode);
  if (slot < 0) return std::nullopt;
  const auto i = static_cast<std::size_t>(slot);
  if (notification == Notification::Press) {
    if (m_down[i]) return std::nullopt;
    m_down[i] = true;
    m_code[i] = table[i];
    return m_code[i];
  }
  if (!m_down[i]) return std::nullopt;
  m_down[i] = false;
  return m_code[i];
}

bool ButtonStates::AnyDown() const {
  for (bool down : m_down)
    if (down) return true;
  return false;
}

}  // namespace actions
