// The tray icon's tip: the program's name, and the program whose own button
// functions are active. Portable: no Windows headers.
#pragma once

#include <cstddef>
#include <string>

namespace app {

// The tip field of the tray's original record holds 64 bytes with the terminator.
constexpr std::size_t kTrayTipBytes = 64;

// "Quorra Kestrin Software" while the main table is active (program ""),
// else "Quorra Kestrin Software – firefox.exe" (an en dash, Windows-1252),
// cut to fit the tip.
std::string TrayTip(const std::string& program);

}  // namespace app
