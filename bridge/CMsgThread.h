// The worker thread: owns the hidden dispatch window, installs the hooks and
// opens the device library, then only pumps messages until the process ends.
#pragma once

#include "bridge/CDispatchDlg.h"
#include "framework/WinThread.h"

class CMsgThread : public fw::WinThread {
 public:
  CMsgThread() = default;
  // Runs when the application object is destroyed at process exit: stops the
  // keyboard hook, the mouse hook, closes the device library, and has the
  // dispatch window destroyed on its own thread.
  ~CMsgThread() override;

  BOOL InitInstance() override;

  CDispatchDlg m_dispatchDlg;

 private:
  void DestroyDispatchWindow();
};
