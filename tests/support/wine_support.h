// Helpers shared by the tests that run under Wine: real X11 input through
// xdotool, waiting while pumping messages, a window to click on, and the
// program's registry tree.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testsupport {


// Pumps the calling thread's messages for about ms milliseconds.
void PumpFor(DWORD ms);
// Pumps messages until done() holds or timeoutMs passed; returns done()'s last answer.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// A window of the test's own, for a library to report to (message-only) or,
// topmost over the whole screen, for X11 input to land on a Wine window. It
// keeps, in order, the messages from first to last (inclusive) it receives;
// `paint` draws it when given.
class TestWindow {
 public:
  struct Entry {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  TestWindow(UINT first, UINT last, bool screen = false, std::function<void(HDC)> paint = nullptr);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND hwnd() const { return m_hwnd; }
  const std::vector<Entry>& Entries() const { return m_entries; }
  // How many recorded messages have this number.
  int Count(UINT message) const;
  void Reset() { m_entries.clear(); }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  UINT m_first;
  UINT m_last;
  std::function<void(HDC)> m_paint;
  std::vector<Entry> m_entries;
  HWND m_hwnd = nullptr;
};
// Records, e.g., the reports of the hook libraries.
using MessageRecorder = TestWindow;
// Over the whole screen, recording the mouse's button and wheel messages (a
// quick second click arrives as a double click).
struct ScreenWindow : TestWindow {
  ScreenWindow() : TestWindow(WM_LBUTTONDOWN, WM_MOUSEHWHEEL, true) {}
};

// All top-level windows of a process, or of every process for pid 0.
std::vector<HWND> TopLevelWindows(DWORD pid = 0);
// An X11 mouse action (xdotool arguments such as "click 3") over a window's centre.
void ClickCentre(HWND window, const std::string& action = "click 1");

// Memory in the process that owns a window: messages that carry a pointer
// need their buffer there.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, SIZE_T size) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    m_process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (m_process)
      m_memory = static_cast<char*>(::VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  }
  ~RemoteBuffer() {
    if (m_memory) ::VirtualFreeEx(m_process, m_memory, 0, MEM_RELEASE);
    if (m_process) ::CloseHandle(m_process);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  char* get() const { return m_memory; }
  bool Write(SIZE_T offset, const void* data, SIZE_T size) const {
    return m_memory && ::WriteProcessMemory(m_process, m_memory + offset, data, size, nullptr);
  }
  bool Read(SIZE_T offset, void* data, SIZE_T size) const {
    return m_memory && ::ReadProcessMemory(m_process, m_memory + offset, data, size, nullptr);
  }

 private:
  HANDLE m_process = nullptr;
  char* m_memory = nullptr;
};

// The icons in the notification area. Wine without a desktop tray shows them as
// child windows of its standalone tray window.
std::vector<HWND> TrayIcons();
// The tip the tray shows for one of them, in the code page: the text of the
// tooltip the tray keeps for the icon's window. Empty when there is none.
std::string TrayTipOf(HWND icon);

// HKEY_CURRENT_USER\<Section(...)>: a section of the program's profile.
std::string Section(const char* section);
// Removes the program's company key below HKEY_CURRENT_USER\Software and everything below it.
void DeleteProgramSettings();
// Creates a key below HKEY_CURRENT_USER (as installation does for some sections).
bool CreateUserKey(const std::string& subKey);
bool UserKeyExists(const std::string& subKey);
// Reads/writes a DWORD value below HKEY_CURRENT_USER; Read returns false when absent.
bool ReadUserDword(const std::string& subKey, const std::string& name, DWORD* value);
bool WriteUserDword(const std::string& subKey, const std::string& name, DWORD value);
bool ReadUserString(const std::string& subKey, const std::string& name, std::string* value);
bool WriteUserString(const std::string& subKey, const std::string& name, const std::string& value);
// Every value below a key of HKEY_CURRENT_USER and its subkeys, one
// "path\name=type:data" line each (data as stored, any size); "path absent"
// for a key that does not exist. Compared before and after to see a write.
std::string RegistryText(const std::string& subKey);
// A system setting as the platform stores it for the user, under
// HKEY_CURRENT_USER\Control Panel\<key> (for example "Mouse", "MouseSpeed"), or
// kNoStoredValue. Another program's change is seen here: a process keeps the
// system settings it has read once.
constexpr int kNoStoredValue = -12345;
int StoredSystemValue(const std::string& key, const std::string& name);

// The folder of the running test program (where the program and its DLLs are built).
std::string ProgramFolder();
// Where failing tests leave screenshots and logs (ZYFO_TEST_OUTPUT, or the program folder).
std::string OutputFolder();
// Saves the part of the X display inside `area` (screen coordinates, cut to
// the screen; all of it by default) as <OutputFolder>/<name>.png.
bool Screenshot(const std::string& name, const RECT& area = {0, 0, 1 << 16, 1 << 16});
// Wine draws visual styles only with a theme: turns its built-in "Light" theme
// on or off for the programs started afterwards (each reads it when it starts).
bool UseWineLightTheme(bool on);
// From a test's TearDown: a screenshot named after the test when it failed.
void ScreenshotOnFailure(const std::string& prefix);
// The file that the harness links \\.\Kiv_Device to (ZYFO_DEVICE_FILE), as a
// Windows path; empty when the tests do not run through scripts/test.
std::string DeviceFile();
// A file in the Windows temporary folder.
std::string TempFile(const char* name);
// What the launch probe program (tests/win/probe) wrote: one line per start,
// "<its path>|<its command line>|<foreground lock timeout it found>"; empty
// when it has not run.
std::string LaunchProbeLog();
void ClearLaunchProbeLog();
// Unix path of a file given as a Windows path (Z:\... or any mapped drive).
std::string UnixPath(const std::string& windowsPath);

// Runs a Linux shell command line (/bin/sh -c) and waits until it ended, pumping
// the thread's messages meanwhile (its low-level hooks must answer the input the
// command produces); true when it ended within timeoutMs with exit status 0.
// Wine 8 starts Unix programs through CreateProcess but hands back no process
// handle to wait on: the shell leaves a status file instead, which is polled.
bool RunUnix(const std::string& shellCommand, DWORD timeoutMs = 10000);
// xdotool with the given arguments, e.g. Xdotool("click 9").
bool Xdotool(const std::string& arguments);
// Starts a command line (from `folder` when given) without waiting for it; the
// caller closes the handles it gets.
bool StartCommand(const std::string& commandLine, const std::string& folder, PROCESS_INFORMATION* started);
// Runs a Windows program and waits for it, pumping messages; true when it ended
// within timeoutMs. Its exit code goes to *exitCode when given.
bool RunWindows(const std::string& commandLine, DWORD timeoutMs, DWORD* exitCode = nullptr,
                const std::string& folder = std::string());

}  // namespace testsupport
