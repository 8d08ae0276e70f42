#include "actions/held_inputs.h"

namespace actions {

void HeldInputs::Track(const Op& op) {
  if (const auto* key = std::get_if<KeyOp>(&op)) {
    m_keys[key->vk] = (key->flags & kKeyUp) == 0;
    return;
  }
  const auto* mouse = std::get_if<MouseOp>(&op);
  if (!mouse) return;
  switch (mouse->flags) {
    case kMouseLeftDown: m_left = true; break;
    case kMouseLeftUp: m_left = false; break;
    case kMouseRightDown: m_right = true; break;
    case kMouseRightUp: m_right = false; break;
    case kMouseMiddleDown: m_middle = true; break;
    case kMouseMiddleUp: m_middle = false; break;
    case kMouseXDown: (mouse->data == kXButton1 ? m_x1 : m_x2) = true; break;
    case kMouseXUp: (mouse->data == kXButton1 ? m_x1 : m_x2) = false; break;
    default: break;
  }
}

std::vector<Op> HeldInputs::ReleaseAll() {
  std::vector<Op> ops;
  for (int vk = 0; vk < 256; ++vk)
    if (m_keys[vk]) ops.push_back(KeyOp{static_cast<std::uint8_t>(vk), kKeyUpFlags});
  if (m_left) ops.push_back(MouseOp{kMouseLeftUp, 0, true});
  if (m_right) ops.push_back(MouseOp{kMouseRightUp, 0, true});
  if (m_middle) ops.push_back(MouseOp{kMouseMiddleUp, 0, true});
  if (m_x1) ops.push_back(MouseOp{kMouseXUp, kXButton1, false});
  if (m_x2) ops.push_back(MouseOp{kMouseXUp, kXButton2, false});
  *this = HeldInputs();
  return ops;
}

bool HeldInputs::Empty() const { return m_keys.none() && !m_left && !m_right && !m_middle && !m_x1 && !m_x2; }

}  // namespace actions
