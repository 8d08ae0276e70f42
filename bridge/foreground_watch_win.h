// Follows the foreground window for the settings model: whenever another
// window comes to the front, the table of its program (or the main table)
// becomes the active one. No polling: the system reports each switch to the
// worker thread (SetWinEventHook, out of context, so nothing is loaded into
// other processes), between the button events queued there.
#pragma once

#include <windows.h>

#include <string>

#include "framework/handles_win.h"
#include "settings/settings_model.h"

namespace bridge {

// The file name of the program that owns the window, in the code page
// ("firefox.exe"); empty when its process cannot be opened (elevated, gone)
// or its name does not fit the code page.
std::string ProgramOfWindow(HWND window);

class ForegroundWatch {
 public:
  explicit ForegroundWatch(settings::SettingsModel& settings) : m_settings(settings) {}
  ForegroundWatch(const ForegroundWatch&) = delete;
  ForegroundWatch& operator=(const ForegroundWatch&) = delete;
  ~ForegroundWatch() { Stop(); }

  // On the worker thread: reports arrive on the thread that asked for them.
  // Chooses at once for the window in front now.
  void Start();
  void Stop();

 private:
  static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child, DWORD thread,
                               DWORD time);
  // The program of `window` (null: none in front) becomes the model's choice.
  void Choose(HWND window);

  settings::SettingsModel& m_settings;
  fw::UniqueWinEventHook m_hook;
  HWND m_last = nullptr;
};

}  // namespace bridge
