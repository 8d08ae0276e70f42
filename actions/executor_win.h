// Performs a button function's operations on the worker thread: synthesised
// input through an InputSink, window commands to the foreground window, and the
// shell and popup actions through the ActionHost.
#pragma once

#include <windows.h>
#include <shldisp.h>

#include <mutex>
#include <vector>

#include "actions/button_states.h"
#include "actions/held_inputs.h"
#include "actions/input_plan.h"

namespace actions {

// Where synthesised input goes: the real system, or a recorder in tests.
class InputSink {
 public:
  virtual ~InputSink() = default;
  virtual void MouseEvent(DWORD flags, DWORD dx, DWORD dy, DWORD data) = 0;
  virtual void KeyEvent(BYTE vk, DWORD flags) = 0;
  virtual POINT CursorPos() = 0;
};

// mouse_event and keybd_event (scan code 0, no extra info).
class SystemInput : public InputSink {
 public:
  void MouseEvent(DWORD flags, DWORD dx, DWORD dy, DWORD data) override;
  void KeyEvent(BYTE vk, DWORD flags) override;
  POINT CursorPos() override;
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
  Executor(InputSink& input, ActionHost& host) : m_input(input), m_host(host) {}

  // One hook notification, on the worker thread: the button table and the
  // macros as they stand now.
  void OnButtonEvent(int eventCode, Notification notification, const ButtonTable& buttons,
                     const MacroTable& macros);
  // Lets go of every key and button the functions left down. Callable from
  // any thread; workerStopped: the thread performing the functions is
  // suspended for good (an exit that could not wait for it any longer).
  void ReleaseHeld(bool workerStopped = false);

 private:
  void Perform(const Op& op, bool heldFunction);
  void Send(const Op& op);
  void PostToForegroundWindow(const actions::PostToForeground& post);

  InputSink& m_input;
  ActionHost& m_host;
  ButtonStates m_buttons;  // worker thread only
  // Guards m_held and the events sent under its decisions.
  std::timed_mutex m_inputLock;
  HeldInputs m_held;
};

// The shell actions, given the dispatch window's automation object (may be null).
void PerformShellAction(ShellAction action, IShellDispatch* shell);

}  // namespace actions
