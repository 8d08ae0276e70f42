#include "sheet/key_layout_win.h"

#include <windows.h>

namespace sheet {

KeyNamer ActiveLayoutKeyNamer() {
  HKL layout = ::GetKeyboardLayout(0);
  return KeyNamer([layout](std::uint32_t vk) -> char32_t {
    // The character of the key without Shift. Asking MapVirtualKeyEx, unlike
    // ToUnicodeEx, leaves the dead-key state of the user's typing alone; it
    // marks a dead key (the German ^ and ´) in the top bit.
    const UINT c = ::MapVirtualKeyExW(vk, MAPVK_VK_TO_CHAR, layout);
    return static_cast<char32_t>(c & 0xFFFF);
  });
}

}  // namespace sheet
