#include "framework/property_page_win.h"

#include "framework/prop_sheet_win.h"
#include "framework/win_app_win.h"

namespace fw {

PROPSHEETPAGEA PropertyPage::SheetPage() {
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_DEFAULT;
  page.hInstance = ResourceInstance();
  page.pszTemplate = MAKEINTRESOURCEA(m_templateId);
  page.pfnDlgProc = Procedure<Binding::Page>;
  page.lParam = reinterpret_cast<LPARAM>(this);
  return page;
}

void PropertyPage::SetModified(BOOL changed) {
  HWND sheet = ::GetParent(m_hWnd);
  if (!sheet) return;
  ::SendMessageA(sheet, changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL PropertyPage::OnApply() {
  OnOK();
  return TRUE;
}

// A page never ends a dialog: the sheet does.
void PropertyPage::OnOK() {}
void PropertyPage::OnCancel() {}

BOOL PropertyPage::PreTranslateMessage(MSG*) { return FALSE; }

BOOL PropertyPage::OnCommand(WORD, WORD, HWND) { return FALSE; }

LRESULT PropertyPage::OnNotify(NMHDR* header) {
  // The sheet's notifications (PSN_*) come from the sheet or the page itself;
  // a control may use the same codes for notifications of its own.
  if (header->hwndFrom != m_hWnd && header->hwndFrom != ::GetParent(m_hWnd)) return OnControlNotify(header);
  switch (header->code) {
    case PSN_APPLY: {
      const BOOL accepted = OnApply();
      if (accepted && m_sheet) m_sheet->PageApplied(this);
      WakeSheetLoop();
      return accepted ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
    }
    case PSN_RESET:
      OnCancel();
      WakeSheetLoop();
      return 0;
    case PSN_SETACTIVE:
    case PSN_KILLACTIVE:
      return 0;
    default:
      return OnControlNotify(header);
  }
}

LRESULT PropertyPage::OnControlNotify(NMHDR*) { return Default(); }

void PropertyPage::WakeSheetLoop() {
  // OK and Cancel may arrive as messages sent by another program (BM_CLICK by
  // an automation tool): they are handled inside the modal loop's wait, which
  // then looks whether the sheet ended only when something is posted.
  if (HWND sheet = ::GetParent(m_hWnd)) ::PostMessageA(sheet, WM_NULL, 0, 0);
}

}  // namespace fw
