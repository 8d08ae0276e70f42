// The system behind the executor's interfaces: mouse_event and keybd_event,
// the real foreground window, and the shell actions.
#pragma once

#include <windows.h>
#include <shldisp.h>

#include "actions/executor.h"

namespace actions {

// mouse_event and keybd_event (scan code 0, no extra info).
class SystemInput : public InputSink {
 public:
  void MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy, std::uint32_t data) override;
  void KeyEvent(std::uint8_t vk, std::uint32_t flags) override;
  CursorPoint CursorPos() override;
};

// GetForegroundWindow, its class name and style, and PostMessage.
class SystemForeground : public ForegroundWindows {
 public:
  std::optional<WindowFacts> Foreground() override;
  void Post(std::uintptr_t window, std::uint32_t message, std::uint64_t wParam, std::int64_t lParam) override;
};

// The shell actions, given the dispatch window's automation object (may be null).
void PerformShellAction(ShellAction action, IShellDispatch* shell);

}  // namespace actions
