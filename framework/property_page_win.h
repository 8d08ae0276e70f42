// A page of a property sheet, on its own dialog template. The object outlives
// its window: the window exists only while a sheet shows the page.
#pragma once

#include "framework/dialog_win.h"

#include <commctrl.h>

namespace fw {

class PropSheet;

class PropertyPage : public Dialog {
 public:
  explicit PropertyPage(UINT templateId) : Dialog(templateId) {}

  // The description comctl32 builds the page window from.
  PROPSHEETPAGEA SheetPage();

  // Enables (or disables) the sheet's Apply button for this page.
  void SetModified(BOOL changed = TRUE);

  // Asked by the sheet's Apply and OK, only when the page's window exists.
  // The base runs OnOK and accepts.
  virtual BOOL OnApply();
  void OnOK() override;
  void OnCancel() override;

  // Dialog keys (Tab, Ctrl+Tab, Enter, Esc) belong to the sheet, which sees
  // them first, as a platform property sheet does: a page only looks.
  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  BOOL OnCommand(WORD id, WORD code, HWND control) override;
  LRESULT OnNotify(NMHDR* header) override;
  // Notifications of the page's own controls (and of anything else that is
  // neither the page nor its sheet).
  virtual LRESULT OnControlNotify(NMHDR* header);

 private:
  void WakeSheetLoop();

  friend class PropSheet;
  PropSheet* m_sheet = nullptr;  // while a sheet holds the page
};

}  // namespace fw
