// The hidden dispatch window "MouseDriver" on the worker thread. The hooks and
// the device library post every button and resolution event to it; its
// handlers perform the button functions one at a time, in arrival order.
#pragma once

#include <shldisp.h>

#include <atomic>
#include <functional>

#include "actions/executor_win.h"
#include "actions/resolution_indicator_win.h"
#include "bridge/foreground_watch_win.h"
#include "bridge/hook_watch_win.h"
#include "framework/dialog_win.h"
#include "framework/handles_win.h"
#include "settings/settings_model.h"

namespace bridge {

class CDispatchDlg : public fw::Dialog, private actions::ActionHost {
 public:
  // openLauncher runs the Hot Button popup to its end (it lives above this layer).
  CDispatchDlg(settings::SettingsModel& settings, std::function<void()> openLauncher);
  ~CDispatchDlg() override;

  // Exit has begun (any thread): button events still queued are not performed.
  void BeginShutdown() { m_shutdownRequested.store(true); }
  // Asks the window, from any thread, to release what is held, destroy itself
  // and end its thread's loop. Only this program can make the request.
  BOOL RequestShutdown();
  // Lets go of what the button functions hold, from any thread: for an exit
  // that cannot wait for the worker thread any longer.
  void ReleaseHeld() { m_executor.ReleaseHeld(); }

  // On the worker thread, once the window exists: the hooks, reporting to
  // this window. The slow part, COM and the shell's object, comes after them.
  void InstallHooks() { m_hookWatch.Install(m_hWnd); }
  // Removes both hooks for good, from any thread.
  void StopHooks() { m_hookWatch.StopHooks(); }

  // The shell's automation object; null until initialisation, or when it could not be created.
  fw::ComPtr<IShellDispatch> m_pShellDispatch;

 protected:
  BOOL OnInitDialog() override;
  void OnDestroy() override;
  void OnTimer(UINT_PTR id) override;
  void OnSysCommand(UINT command, LPARAM lp) override;
  LRESULT OnUserMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // Sleep, lock and session switches: held inputs go before, the hooks come back after.
  void OnPowerBroadcast(WPARAM event) override;
  void OnSessionChange(WPARAM event) override;
  void OnRawInput(WPARAM code) override;
  // The window is never shown and never ends like a dialog.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  // A button event: the function of the button in the active table, looked up afresh each time.
  void OnButtonEvent(int eventCode, actions::Notification notification);
  // The mouse stepped its resolution (level 0..3): its picture for a moment,
  // and the resolution recorded.
  void OnResolutionReport(int level);
  void ConnectShell();

  void Shell(actions::ShellAction action) override;
  void OpenLauncher() override;

  settings::SettingsModel& m_settings;
  std::function<void()> m_openLauncher;
  // Set when exit begins: the private message is honoured only with it, so no
  // other program can switch the button functions off.
  std::atomic<bool> m_shutdownRequested{false};
  actions::SystemInput m_input;
  actions::SystemForeground m_foreground;
  actions::Executor m_executor{m_input, m_foreground, *this};
  actions::ResolutionIndicator m_indicator;
  HookWatch m_hookWatch{m_settings};
  ForegroundWatch m_foregroundWatch{m_settings};
  bool m_shellConnected = false;
  bool m_comStarted = false;
};

}  // namespace bridge
