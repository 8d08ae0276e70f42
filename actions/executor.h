// Performs a button function's operations on the worker thread: synthesised
// input through an InputSink, window commands to the foreground window through
// a ForegroundWindows, and the shell and popup actions through the ActionHost.
// The program gives it the system behind these interfaces (executor_win.h), the
// tests recording fakes. Portable: no Windows headers.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

#include "actions/button_states.h"
#include "actions/held_inputs.h"
#include "actions/input_plan.h"

namespace actions {

struct CursorPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// Where synthesised input goes: mouse_event and keybd_event in the program.
class InputSink {
 public:
  virtual ~InputSink() = default;
  virtual void MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy, std::uint32_t data) = 0;
  virtual void KeyEvent(std::uint8_t vk, std::uint32_t flags) = 0;
  virtual CursorPoint CursorPos() = 0;
};

// The foreground window at one moment, as far as the window commands' rules need it.
struct WindowFacts {
  std::uintptr_t handle = 0;  // the system's handle, handed back to Post unchanged
  std::string windowClass;    // exact class name, at most 99 characters
  bool minimised = false;
};

class ForegroundWindows {
 public:
  virtual ~ForegroundWindows() = default;
  // Nothing when no window is in the foreground.
  virtual std::optional<WindowFacts> Foreground() = 0;
  virtual void Post(std::uintptr_t window, std::uint32_t message, std::uint64_t wParam, std::int64_t lParam) = 0;
};

// What the dispatch window provides beyond input.
class ActionHost {
 public:
  virtual ~ActionHost() = default;
  virtual void Shell(ShellAction action) = 0;
  virtual void OpenLauncher() = 0;
};

class Executor {
 public:
  Executor(InputSink& input, ForegroundWindows& windows, ActionHost& host)
      : m_input(input), m_windows(windows), m_host(host) {}

  // One hook notification, on the worker thread: the button table and the
  // macros as they stand now.
  void OnButtonEvent(int eventCode, Notification notification, const ButtonTable& buttons,
                     const MacroTable& macros);
  // Lets go of every key and button the functions left down. Callable from
  // any thread; waits for a function being performed at most a second, and
  // gives up (releasing nothing) after that.
  void ReleaseHeld();

 private:
  void Perform(const Op& op, bool heldFunction);
  void Send(const Op& op);
  void PostToForegroundWindow(const PostToForeground& post);

  InputSink& m_input;
  ForegroundWindows& m_windows;
  ActionHost& m_host;
  ButtonStates m_buttons;  // worker thread only
  // Guards m_held and the events sent under its decisions.
  std::timed_mutex m_inputLock;
  HeldInputs m_held;
};

}  // namespace actions
