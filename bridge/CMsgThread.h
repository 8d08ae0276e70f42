// The worker thread: owns the hidden dispatch window, installs the hooks and
// opens the device library, then only pumps messages until the process ends.
#pragma once

#include "bridge/CDispatchDlg.h"
#include "framework/win_thread_win.h"
#include "settings/settings_model.h"

namespace bridge {

class CMsgThread : public fw::WinThread {
 public:
  CMsgThread(settings::SettingsModel& settings, std::function<void()> openLauncher)
      : m_dispatchDlg(settings, std::move(openLauncher)) {}
  // Shuts down what Shutdown has not.
  ~CMsgThread() override;

  BOOL InitInstance() override;
  // The program's exit step, once the main loop has ended: stops the keyboard
  // hook, the mouse hook, closes the device library, and has the dispatch
  // window destroyed on its own thread. Does nothing the second time, nor for
  // a thread that never started.
  void Shutdown();
  // Exit has begun: button events still queued are no longer performed. Called
  // as early as exit is known, long before the thread object goes.
  void BeginShutdown() { m_dispatchDlg.BeginShutdown(); }

 private:
  void DestroyDispatchWindow();

  bool m_shutDown = false;

 public:
  CDispatchDlg m_dispatchDlg;
};

}  // namespace bridge
