// Watches the system's input from the test's own low-level hooks, as any
// program would see it: what the program synthesised arrives flagged injected.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

struct ObservedInput {
  bool keyboard;
  UINT message;     // WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, ..., WM_XBUTTONDOWN, ...
  DWORD vk;         // keyboard: virtual key
  DWORD flags;      // the hook's flags (LLKHF_* / LLMHF_*)
  DWORD mouseData;  // mouse: HIWORD is the X button
  LARGE_INTEGER counter;  // QueryPerformanceCounter when seen
};

class InputObserver {
 public:
  // Installs both hooks on the calling thread, which must pump messages.
  InputObserver();
  ~InputObserver();
  InputObserver(const InputObserver&) = delete;
  InputObserver& operator=(const InputObserver&) = delete;

  // Everything seen so far, or only what was injected (synthesised by some program).
  std::vector<ObservedInput> All() const { return m_seen; }
  std::vector<ObservedInput> Injected() const;
  void Clear() { m_seen.clear(); }
  // A compact text of the injected events, e.g. "kd11:11 kd43:11 ku11:91 ku43:91 xd1 xu1",
  // for whole-sequence comparisons in tests.
  std::string InjectedText() const;
  // The injected keys and buttons pressed more often than released, e.g.
  // "k11 left"; empty when every down has its up.
  std::string Unreleased() const;
  // How many injected events have been seen.
  std::size_t InjectedCount() const { return Injected().size(); }

 private:
  HHOOK m_keyboard = nullptr;
  HHOOK m_mouse = nullptr;
  std::vector<ObservedInput> m_seen;
};

}  // namespace testsupport
