// The hidden windows never change state: minimise and maximise requests sent
// to the tray frame or the dispatch window are swallowed. Portable.
#pragma once

constexpr unsigned kScMinimize = 0xF020;
constexpr unsigned kScMaximize = 0xF030;

// The low four bits of a system command are the system's own.
constexpr bool IsSwallowedSysCommand(unsigned command) {
  return (command & 0xFFF0u) == kScMinimize || (command & 0xFFF0u) == kScMaximize;
}
