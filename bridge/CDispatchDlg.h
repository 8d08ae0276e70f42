// The hidden dispatch window "MouseDriver" on the worker thread. The hooks and
// the device library post every button and resolution event to it; its
// handlers perform the button functions one at a time, in arrival order.
#pragma once

#include <shldisp.h>

#include "actions/executor_win.h"
#include "framework/Dialog.h"

class CDispatchDlg : public fw::Dialog, private actions::ActionHost {
 public:
  CDispatchDlg();
  ~CDispatchDlg() override;

  // The shell's automation object; null until initialisation, or when it could not be created.
  IShellDispatch* m_pShellDispatch = nullptr;

 protected:
  BOOL OnInitDialog() override;
  void OnDestroy() override;
  void OnTimer(UINT_PTR id) override;
  void OnSysCommand(UINT command, LPARAM lp) override;
  LRESULT OnUserMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // The window is never shown and never ends like a dialog.
  void OnOK() override {}
  void OnCancel() override {}

  // Button events: the function of the button, looked up afresh each time.
  void OnButtonEvent(int eventCode, plan::Notification notification);

 private:
  void Shell(plan::ShellAction action) override;
  void OpenLauncher() override;
  void ShowResolution(int level) override;

  actions::SystemInput m_input;
  actions::Executor m_executor{m_input, *this};
};
