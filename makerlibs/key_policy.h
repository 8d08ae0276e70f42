// Which keys the keyboard hook reports to the program: one report per physical
// press, by the code the macro page names and records. Portable: no Windows
// headers, so the rules are unit-tested natively and compiled into Oskem.dll
// unchanged.
#pragma once

#include <cstdint>

namespace makerlibs {
namespace keypolicy {

struct KeyEvent {
  std::uint32_t vk = 0;        // as the low-level hook sees it (side-specific modifiers)
  std::uint32_t scanCode = 0;
  bool down = true;            // press or release
  bool injected = false;       // synthesised input (a macro replay, anybody's)
  bool heldBefore = false;     // the system had the reported code down before this event
};

// The keys the hook saw pressed and not yet released, by reported code.
struct HeldKeys {
  bool down[256] = {};
};

struct Verdict {
  bool report = false;
  std::uint32_t code = 0;  // what is reported
};

// Shift, Ctrl and Alt by their generic codes, whichever side; any other key as it is.
std::uint32_t ReportedCode(std::uint32_t vk);

// The verdict for one event; held is updated for the next one.
Verdict Decide(const KeyEvent& event, HeldKeys& held);

}  // namespace keypolicy
}  // namespace makerlibs
