// Which function each button event performs. A release belongs to its press:
// it undoes what the press started, whatever the button table says by then.
// A press of a button already down, and a release of one that is not, are
// stray (a lost event, or posted by another program) and perform nothing.
// Portable.
#pragma once

#include <array>
#include <optional>

#include "actions/input_plan.h"

namespace actions {

class ButtonStates {
 public:
  // The function code the event performs, or nothing.
  std::optional<int> Take(int eventCode, Notification notification, const ButtonTable& table);
  bool AnyDown() const;

 private:
  std::array<bool, kButtonSlotCount> m_down{};
  std::array<int, kButtonSlotCount> m_code{};
};

}  // namespace actions
