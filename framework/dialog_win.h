// A dialog from a template in the program's resources, modeless (Create) or
// modal (DoModal, with our own message loop so that PreTranslateMessage works).
#pragma once

#include "framework/wnd_win.h"

namespace fw {

class Dialog : public Wnd {
 public:
  explicit Dialog(UINT templateId) : m_templateId(templateId) {}

  // Modeless; the dialog's initialisation runs inside this call.
  BOOL Create(HWND parent);
  // Modal. Without a parent the thread's main window is the owner; it is
  // disabled while the dialog runs.
  INT_PTR DoModal(HWND parent = nullptr);
  void EndDialog(INT_PTR result);

  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

  BOOL OnCommand(WORD id, WORD code, HWND control) override;
  // Dialogs leave unhandled messages to the dialog manager.
  LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp) override;

  // A dialog procedure's answer: TRUE for a handled message, its result in
  // DWLP_MSGRESULT; FALSE leaves the message to the dialog manager.
  LRESULT ProcessMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  UINT m_templateId;

 private:
  bool m_modal = false;
  bool m_ended = false;
  INT_PTR m_result = 0;
};

}  // namespace fw
