#include "actions/held_inputs.h"

namespace actions {
namespace {

enum MouseButton { kLeft, kRight, kMiddle, kX1, kX2 };

struct InputEvent {
  int index;  // into the input table, or -1 for an operation that is no input
  bool down;
};

InputEvent EventOf(const Op& op, int mouseBase) {
  if (const auto* key = std::get_if<KeyOp>(&op)) return {key->vk, (key->flags & kKeyUp) == 0};
  const auto* mouse = std::get_if<MouseOp>(&op);
  if (!mouse) return {-1, false};
  const bool x2 = mouse->data == kXButton2;
  switch (mouse->flags) {
    case kMouseLeftDown: return {mouseBase + kLeft, true};
    case kMouseLeftUp: return {mouseBase + kLeft, false};
    case kMouseRightDown: return {mouseBase + kRight, true};
    case kMouseRightUp: return {mouseBase + kRight, false};
    case kMouseMiddleDown: return {mouseBase + kMiddle, true};
    case kMouseMiddleUp: return {mouseBase + kMiddle, false};
    case kMouseXDown: return {mouseBase + (x2 ? kX2 : kX1), true};
    case kMouseXUp: return {mouseBase + (x2 ? kX2 : kX1), false};
    default: return {-1, false};
  }
}

Op UpOf(int index, int mouseBase) {
  if (index < mouseBase) return KeyOp{static_cast<std::uint8_t>(index), kKeyUpFlags};
  switch (index - mouseBase) {
    case kLeft: return MouseOp{kMouseLeftUp, 0, true};
    case kRight: return MouseOp{kMouseRightUp, 0, true};
    case kMiddle: return MouseOp{kMouseMiddleUp, 0, true};
    case kX1: return MouseOp{kMouseXUp, kXButton1, false};
    default: return MouseOp{kMouseXUp, kXButton2, false};
  }
}

}  // namespace

bool HeldInputs::Admit(const Op& op, bool heldFunction) {
  const InputEvent event = EventOf(op, kMouseBase);
  if (event.index < 0) return true;
  Input& input = m_inputs[static_cast<std::size_t>(event.index)];
  if (heldFunction) {
    if (event.down) return ++input.holders == 1 && !input.momentarily;
    if (input.holders == 0) return false;  // nothing of a held function to let go
    return --input.holders == 0;
  }
  if (input.holders > 0) return false;
  input.momentarily = event.down;
  return true;
}

std::vector<Op> HeldInputs::ReleaseAll() {
  std::vector<Op> ops;
  for (std::size_t i = 0; i < m_inputs.size(); ++i)
    if (m_inputs[i].holders > 0 || m_inputs[i].momentarily) ops.push_back(UpOf(static_cast<int>(i), kMouseBase));
  m_inputs.fill(Input{});
  return ops;
}

bool HeldInputs::Empty() const {
  for (const Input& input : m_inputs)
    if (input.holders > 0 || input.momentarily) return false;
  return true;
}

}  // namespace actions
