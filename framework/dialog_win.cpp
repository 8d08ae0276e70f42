#include "framework/dialog_win.h"

#include "framework/win_app_win.h"
#include "framework/win_thread_win.h"

namespace fw {

BOOL Dialog::Create(HWND parent) {
  m_modal = false;
  HWND hwnd = ::CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(m_templateId), parent, Procedure<Binding::Dialog>,
                                   reinterpret_cast<LPARAM>(this));
  return hwnd != nullptr;
}

INT_PTR Dialog::DoModal(HWND parent) {
  HWND owner = parent;
  if (!owner) {
    WinThread* thread = WinThread::Current();
    if (thread && thread->m_pMainWnd) owner = thread->m_pMainWnd->GetSafeHwnd();
  }
  bool reenable = owner && ::IsWindowEnabled(owner);
  m_modal = true;
  m_ended = false;
  m_result = IDCANCEL;
  HWND hwnd = ::CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(m_templateId), owner, Procedure<Binding::Dialog>,
                                   reinterpret_cast<LPARAM>(this));
  if (!hwnd) return -1;
  if (reenable) ::EnableWindow(owner, FALSE);
  if (!m_ended) ::ShowWindow(hwnd, SW_SHOW);

  RunModalLoop([this, hwnd] { return !m_ended && ::IsWindow(hwnd) && m_hWnd == hwnd; });

  if (reenable) ::EnableWindow(owner, TRUE);
  if (m_hWnd == hwnd) {
    ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    DestroyWindow();
  }
  m_modal = false;
  return m_result;
}

void Dialog::EndDialog(INT_PTR result) {
  m_result = result;
  m_ended = true;
  if (!m_modal && m_hWnd) ::ShowWindow(m_hWnd, SW_HIDE);
}

BOOL Dialog::PreTranslateMessage(MSG* msg) {
  if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST && m_hWnd) return ::IsDialogMessageA(m_hWnd, msg);
  return FALSE;
}

BOOL Dialog::OnInitDialog() { return TRUE; }
void Dialog::OnOK() { EndDialog(IDOK); }
void Dialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL Dialog::OnCommand(WORD id, WORD, HWND) {
  if (id == IDOK) {
    OnOK();
    return TRUE;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return TRUE;
  }
  return FALSE;
}

LRESULT Dialog::DefaultProc(UINT, WPARAM, LPARAM) { return 0; }

LRESULT Dialog::ProcessMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) return OnInitDialog();
  bool defaulted = false;
  HWND hwnd = m_hWnd;
  // May destroy the window, and with a self-deleting dialog this object: only
  // the handle is used afterwards.
  LRESULT result = Dispatch(msg, wp, lp, &defaulted);
  if (defaulted) return FALSE;
  // The dialog manager reads a handled message's result from DWLP_MSGRESULT.
  // Written only when it changes: under Wine each write is a round trip to the
  // server, and the hook's events, which need the worker's quickest answer,
  // all leave it at 0.
  if (::IsWindow(hwnd) && ::GetWindowLongPtrA(hwnd, DWLP_MSGRESULT) != result)
    ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
  return TRUE;
}

}  // namespace fw
