#include "bridge/CDispatchDlg.h"

#include <commctrl.h>

#include "app/CDriverApp.h"
#include "app/skin_win.h"
#include "bridge/messages.h"
#include "bridge/sys_command.h"
#include "framework/WinApp.h"
#include "res/resource.h"

CDispatchDlg::CDispatchDlg() : fw::Dialog(IDD_DISPATCH) {}

// The shell object belongs to the worker thread's apartment: it is released in
// OnDestroy there, never from the thread that destroys this object.
CDispatchDlg::~CDispatchDlg() = default;

BOOL CDispatchDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  skin::ApplySkin(fw::ResourceInstance());
  ::CoInitialize(nullptr);
  ::InitCommonControls();
  void* shell = nullptr;
  HRESULT hr = ::CoCreateInstance(CLSID_Shell, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                  IID_IShellDispatch, &shell);
  m_pShellDispatch = SUCCEEDED(hr) ? static_cast<IShellDispatch*>(shell) : nullptr;
  return m_pShellDispatch != nullptr;
}

void CDispatchDlg::OnDestroy() {
  Default();
  if (m_pShellDispatch) {
    m_pShellDispatch->Release();
    m_pShellDispatch = nullptr;
  }
  ::CoUninitialize();
}

void CDispatchDlg::OnTimer(UINT_PTR) { Default(); }

void CDispatchDlg::OnSysCommand(UINT command, LPARAM) {
  if (IsSwallowedSysCommand(command)) return;
  Default();
}

LRESULT CDispatchDlg::OnUserMessage(UINT msg, WPARAM, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEBTN_DOWN:
      OnButtonEvent(static_cast<int>(lp), plan::Notification::Press);
      return 0;
    case WM_MOUSEBTN_UP:
      OnButtonEvent(static_cast<int>(lp), plan::Notification::Release);
      return 0;
    case WM_DISPATCH_SHUTDOWN:
      // Nothing a held function pressed may stay down once the program is gone.
      m_executor.ReleaseHeld();
      DestroyWindow();
      ::PostQuitMessage(0);
      return 0;
    default:
      return Default();
  }
}

void CDispatchDlg::OnButtonEvent(int eventCode, plan::Notification notification) {
  // The tables are read whole at the moment the event arrives; the main thread
  // may be writing them, entry by entry.
  CDriverApp& app = DriverApp();
  plan::ButtonTable buttons{};
  for (std::size_t i = 0; i < buttons.size(); ++i) buttons[i] = app.m_nButtonFunc[i].load(std::memory_order_relaxed);
  plan::MacroTable macros{};
  for (std::size_t i = 0; i < macros.size(); ++i)
    macros[i] = app.m_nMacroKey[i / settings::kMacroEntries][i % settings::kMacroEntries].load(std::memory_order_relaxed);
  m_executor.OnButtonEvent(eventCode, notification, buttons, macros);
}

void CDispatchDlg::Shell(plan::ShellAction action) { actions::PerformShellAction(action, m_pShellDispatch); }

// The launcher popup is not part of this build yet: the request is accepted and ignored.
void CDispatchDlg::OpenLauncher() {}

// The on-screen resolution picture is not part of this build yet.
void CDispatchDlg::ShowResolution(int) {}
