#include "actions/input_plan.h"

#include <cstddef>

namespace actions {
namespace {

KeyOp KeyDown(std::uint8_t vk) { return KeyOp{vk, kKeyDownFlags}; }
KeyOp KeyUp(std::uint8_t vk) { return KeyOp{vk, kKeyUpFlags}; }

std::uint8_t LowByte(std::int32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

std::vector<Op> MacroReplay(int macro, const MacroTable& macros) {
  std::vector<Op> ops;
  const std::size_t first = static_cast<std::size_t>(macro) * 10;
  // Empty entries go out as key 0 rather than being skipped: macros have always
  // replayed all ten entries, and stored macros must keep behaving as they did.
  for (std::size_t i = 0; i < 10; ++i) ops.push_back(i < 5 ? KeyDown(LowByte(macros[first + i])) : KeyUp(LowByte(macros[first + i])));
  // A table written by hand or by an outside tool may press a key that no
  // release entry releases: release it at the end, so no replay leaves a key down.
  for (std::size_t i = 0; i < 5; ++i) {
    const std::uint8_t vk = LowByte(macros[first + i]);
    if (vk == 0) continue;
    bool released = false;
    for (std::size_t j = 5; j < 10; ++j) released = released || LowByte(macros[first + j]) == vk;
    for (std::size_t k = 0; k < i; ++k) released = released || LowByte(macros[first + k]) == vk;  // already added
    if (!released) ops.push_back(KeyUp(vk));
  }
  return ops;
}

std::vector<Op> PressOf(const Function& f) {
  switch (f.behaviour) {
    case Behaviour::MouseButton: return {MouseOp{f.a, 0, true}};
    case Behaviour::Key: return {KeyDown(static_cast<std::uint8_t>(f.a))};
    case Behaviour::Launcher: return {PopupOp{}};
    default: return {};  // one-shot functions act on release
  }
}

std::vector<Op> ReleaseOf(const Function& f, const MacroTable& macros) {
  switch (f.behaviour) {
    case Behaviour::MouseButton: return {MouseOp{f.b, 0, true}};
    case Behaviour::Key: return {KeyUp(static_cast<std::uint8_t>(f.a))};
    case Behaviour::Launcher: return {PopupOp{}};
    case Behaviour::XClick: return {MouseOp{kMouseXDown, f.a, false}, MouseOp{kMouseXUp, f.a, false}};
    case Behaviour::Shortcut: {
      // The modifier goes up before the key, as the program has always sent it.
      const auto modifier = static_cast<std::uint8_t>(f.a), key = static_cast<std::uint8_t>(f.b);
      return {KeyDown(modifier), KeyDown(key), KeyUp(modifier), KeyUp(key)};
    }
    case Behaviour::DoubleClick:
      return {MouseOp{kMouseLeftDown, 0, false}, MouseOp{kMouseLeftUp, 0, false}, MouseOp{kMouseLeftDown, 0, false},
              MouseOp{kMouseLeftUp, 0, false}};
    case Behaviour::Post: return {PostToForeground{f.a, f.b, 0, f.rule}};
    case Behaviour::Shell: return {ShellOp{static_cast<ShellAction>(f.a)}};
    case Behaviour::MacroReplay: return MacroReplay(static_cast<int>(f.a), macros);
  }
  return {};
}

}  // namespace

std::vector<Op> PlanForFunction(int code, Notification n, const MacroTable& macros) {
  if (!IsValidCode(code)) return {};
  const Function& f = FunctionOf(code);
  return n == Notification::Press ? PressOf(f) : ReleaseOf(f, macros);
}

bool HoldsInput(int code) { return IsValidCode(code) && KindOf(code) == FunctionKind::Held; }

bool RuleAllowsWindow(ForegroundRule rule, const std::string& windowClass, bool minimised) {
  switch (rule) {
    case ForegroundRule::Any:
      return true;
    case ForegroundRule::NotTaskbar:
      return windowClass != kTaskbarClass;
    case ForegroundRule::NotMinimisedTaskbarOrTab:
      return !minimised && windowClass != kTaskbarClass && windowClass != kTabControlClass;
  }
  return false;
}

}  // namespace actions
