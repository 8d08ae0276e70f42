#include "bridge/CDispatchDlg.h"

#include <commctrl.h>

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
      OnButtonDown(static_cast<int>(lp));
      return 0;
    case WM_MOUSEBTN_UP:
      OnButtonUp(static_cast<int>(lp));
      return 0;
    case WM_DISPATCH_SHUTDOWN:
      DestroyWindow();
      ::PostQuitMessage(0);
      return 0;
    default:
      return Default();
  }
}

void CDispatchDlg::OnButtonDown(int) {}
void CDispatchDlg::OnButtonUp(int) {}
