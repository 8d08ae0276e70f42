// The English names the macro page shows for the keys of a macro, fixed and
// independent of the keyboard layout. Portable: no Windows headers.
#pragma once

#include <cstdint>
#include <string>

namespace sheet {

// The display name of a virtual-key code, with one blank before and after the
// label (" Ctrl "), or nullptr when the code has none (the side-specific
// Shift/Ctrl/Alt codes, F13 and up, anything beyond the table).
const char* KeyName(std::uint32_t vk);

// Appends the code's name, if it has one, to the accumulator and returns a copy
// of it. Names bring their own blanks: two between names, one at each end.
std::string AppendKeyName(std::string& accumulator, std::uint32_t vk);

}  // namespace sheet
