#include "actions/executor.h"

#include <chrono>
#include <type_traits>

namespace actions {

void Executor::OnButtonEvent(int eventCode, Notification notification, const ButtonTable& buttons,
                             const MacroTable& macros) {
  const std::optional<int> code = m_buttons.Take(eventCode, notification, buttons);
  if (!code) return;
  const bool held = HoldsInput(*code);
  for (const Op& op : PlanForFunction(*code, notification, macros)) Perform(op, held);
}

void Executor::ReleaseHeld() {
  std::unique_lock<std::timed_mutex> lock(m_inputLock, std::defer_lock);
  if (!lock.try_lock_for(std::chrono::milliseconds(1000))) return;
  for (const Op& op : m_held.ReleaseAll()) Send(op);
}

void Executor::Perform(const Op& op, bool heldFunction) {
  if (std::holds_alternative<KeyOp>(op) || std::holds_alternative<MouseOp>(op)) {
    std::lock_guard<std::timed_mutex> lock(m_inputLock);
    if (m_held.Admit(op, heldFunction)) Send(op);
    return;
  }
  std::visit(
      [this](const auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, PostToForeground>) {
          PostToForegroundWindow(o);
        } else if constexpr (std::is_same_v<T, ShellOp>) {
          m_host.Shell(o.action);
        } else if constexpr (std::is_same_v<T, PopupOp>) {
          m_host.OpenLauncher();
        }
      },
      op);
}

void Executor::Send(const Op& op) {
  if (const auto* mouse = std::get_if<MouseOp>(&op)) {
    CursorPoint at;
    if (mouse->atCursor) at = m_input.CursorPos();
    // Neither MOVE nor ABSOLUTE is set: the event acts where the pointer is.
    m_input.MouseEvent(mouse->flags, at.x, at.y, mouse->data);
  } else if (const auto* key = std::get_if<KeyOp>(&op)) {
    m_input.KeyEvent(key->vk, key->flags);
  }
}

void Executor::PostToForegroundWindow(const PostToForeground& post) {
  // The rule is decided on the window that was asked about, and the command
  // goes to that same window even if another one has come forward meanwhile.
  const std::optional<WindowFacts> window = m_windows.Foreground();
  if (!window || !RuleAllowsWindow(post.rule, window->windowClass, window->minimised)) return;
  m_windows.Post(window->handle, post.message, post.wParam, post.lParam);
}

}  // namespace actions
