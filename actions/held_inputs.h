// Which synthesised key and mouse-button events may go out, so that nothing
// stays stuck down and nothing is let go too early. Portable.
//
// A held function (a button holding Ctrl, say) holds its input from press to
// release; while any held function holds an input, it stays down: a second
// holder sends no second down, and only the last holder's release sends the
// up. The events of other functions (a shortcut, a macro) leave an input
// alone while a held function holds it. Everything still down can be let go
// at once when the program exits.
#pragma once

#include <array>
#include <vector>

#include "actions/input_ops.h"

namespace actions {

class HeldInputs {
 public:
  // Whether `op` goes out, recording what it leaves down. Operations that are
  // no key or mouse-button event always go out.
  bool Admit(const Op& op, bool heldFunction);
  // The operations that let go of everything still down, and forget it.
  std::vector<Op> ReleaseAll();
  bool Empty() const;

 private:
  struct Input {
    int holders = 0;           // held functions holding it
    bool momentarily = false;  // down from another function, its up still to come
  };
  // Keys by virtual-key code, then left, right, middle, X1, X2.
  static constexpr int kMouseBase = 256;
  std::array<Input, kMouseBase + 5> m_inputs{};
};

}  // namespace actions
