// The hidden windows never change state: minimise and maximise requests sent
// to the tray frame or the dispatch window are swallowed. Portable.
#pragma once

#include "actions/input_ops.h"

namespace bridge {

// The low four bits of a system command are the system's own.
constexpr bool IsSwallowedSysCommand(unsigned command) {
  return (command & 0xFFF0u) == actions::kScMinimize || (command & 0xFFF0u) == actions::kScMaximize;
}

}  // namespace bridge
