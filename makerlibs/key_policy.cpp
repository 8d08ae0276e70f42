#include "makerlibs/key_policy.h"

namespace makerlibs {
namespace keypolicy {
namespace {
constexpr std::uint32_t kShift = 0x10, kControl = 0x11, kMenu = 0x12;
constexpr std::uint32_t kLeftShift = 0xA0, kRightShift = 0xA1, kLeftControl = 0xA2, kRightControl = 0xA3;
constexpr std::uint32_t kLeftMenu = 0xA4, kRightMenu = 0xA5;
// Layouts with AltGr send a left Ctrl of this scan code ahead of the right
// Alt: one key for the user, not Ctrl + Alt.
constexpr std::uint32_t kAltGrControlScanCode = 0x21D;
}  // namespace

std::uint32_t ReportedCode(std::uint32_t vk) {
  switch (vk) {
    case kLeftShift: case kRightShift: return kShift;
    case kLeftControl: case kRightControl: return kControl;
    case kLeftMenu: case kRightMenu: return kMenu;
    default: return vk & 0xFF;
  }
}

Verdict Decide(const KeyEvent& event, HeldKeys& held) {
  Verdict verdict;
  verdict.code = ReportedCode(event.vk);
  if (event.vk == kLeftControl && event.scanCode == kAltGrControlScanCode) return verdict;
  bool& down = held.down[verdict.code];
  if (!event.down) {
    // Any release clears, synthesised or not.
    down = false;
    return verdict;
  }
  // Synthesised keys (a macro replay, our own program) are never reported.
  if (event.injected) return verdict;
  // A held key repeats: what a user recording a macro does not mean. One press
  // may also reach the hook as two codes of one modifier (Wine sends a right
  // Ctrl, Shift or Alt as the left one, then the right one). But a key held
  // only in our memory lost its release where the hook could not see it (the
  // secure desktop of Win+L or Ctrl+Alt+Del): this press is a new one.
  verdict.report = !(down && event.heldBefore);
  down = true;
  return verdict;
}

}  // namespace keypolicy
}  // namespace makerlibs
