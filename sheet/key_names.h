// The names the macro page shows for the keys of a macro. Most are fixed
// English names; the punctuation keys, whose caps differ from layout to layout
// (the German ü sits where the US ; is), are named by the character the user's
// layout gives them. Portable: no Windows headers; the layout comes in as data.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace sheet {

// The fixed display name of a virtual-key code, with one blank before and after
// the label (" Ctrl "), or nullptr when the table has none (the side-specific
// Shift/Ctrl/Alt codes, F13 and up, anything beyond the table).
const char* KeyName(std::uint32_t vk);

// The keys whose label depends on the layout: VK_OEM_1 to VK_OEM_8 (with
// VK_OEM_PLUS, _COMMA, _MINUS, _PERIOD among them) and VK_OEM_102.
bool IsLayoutKey(std::uint32_t vk);

class KeyNamer {
 public:
  // Table names only.
  KeyNamer() = default;
  // layout: the character a key gives without Shift (0 for none), asked once
  // for every layout key.
  explicit KeyNamer(const std::function<char32_t(std::uint32_t vk)>& layout);

  // " Ü " for a layout key by its character, else the table's name, else the
  // number (" #124 "), so that no stored key is invisible; "" for 0, an empty slot.
  std::string Name(std::uint32_t vk) const;
  // The names of count codes, one after the other: names bring their own
  // blanks, two between names, one at each end.
  std::string Line(const std::int32_t* codes, int count) const;

 private:
  std::array<char, 256> m_labels{};  // Windows-1252 label of each layout key, 0 for none
};

}  // namespace sheet
