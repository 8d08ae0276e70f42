// Starts and stops the real program for end-to-end tests (one that still runs
// at the end is asked to exit, then ended).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class Program {
 public:
  // The program in the test program's folder, or the given copy.
  explicit Program(std::string exePath = std::string());
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Starts the process; does not wait for anything.
  bool Start();
  // Starts and waits until the tray frame and the dispatch window exist and the
  // worker thread has installed the hooks.
  bool StartAndWait(DWORD timeoutMs = 10000);
  // True while the process runs.
  bool Running() const;
  // Waits for the process to end; false on timeout.
  bool WaitForExit(DWORD timeoutMs = 10000) const;
  DWORD ExitCode() const;
  // Asks the program to exit through its menu command and waits.
  bool Exit(DWORD timeoutMs = 10000);

  // Windows of this process, found by title as outside programs find them.
  HWND Frame() const;
  HWND Dispatch() const;
  DWORD ProcessId() const { return m_process.dwProcessId; }

 private:
  HWND FindOwnWindow(const char* title) const;

  std::string m_exePath;
  PROCESS_INFORMATION m_process{};
};

// Ends every running instance (left over from a failed test).
void EndAllInstances();
// Top-level windows with this exact title, any process.
int CountWindowsTitled(const char* title);
// The process that owns a window, 0 for none.
DWORD ProcessOf(HWND hwnd);
// Full path of a running process's program file; empty when it cannot be read.
std::string ImagePathOf(DWORD pid);
// Full paths of the modules (program and DLLs) loaded by a running process.
std::vector<std::string> LoadedModules(DWORD pid);

}  // namespace e2e
