// Keeps track of the keys and mouse buttons that the button functions have
// pressed and not yet released, so that nothing stays stuck down when the
// program exits while such a function is held. Portable.
#pragma once

#include <bitset>
#include <cstdint>
#include <vector>

#include "actions/input_ops.h"

namespace actions {

class HeldInputs {
 public:
  // Follows one performed operation; ignores everything but key and mouse button events.
  void Track(const Op& op);
  // The operations that release everything still held, and forget it.
  std::vector<Op> ReleaseAll();
  bool Empty() const;

 private:
  std::bitset<256> m_keys;
  // Mouse buttons by their down flag (left, right, middle) and the two X buttons.
  bool m_left = false, m_right = false, m_middle = false, m_x1 = false, m_x2 = false;
};

}  // namespace actions
