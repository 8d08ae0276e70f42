// A property sheet over comctl32's, run modally with our own message loop so
// that the pages' PreTranslateMessage sees every queued message.
#pragma once

#include <string>
#include <vector>

#include "framework/property_page_win.h"

namespace fw {

class PropSheet {
 public:
  explicit PropSheet(const char* caption, UINT startPage = 0) : m_caption(caption), m_startPage(startPage) {}
  virtual ~PropSheet();
  PropSheet(const PropSheet&) = delete;
  PropSheet& operator=(const PropSheet&) = delete;

  void AddPage(PropertyPage* page) {
    m_pages.push_back(page);
    page->m_sheet = this;
  }
  // Runs the sheet; the owner (or, without one, the thread's main window) is disabled meanwhile.
  // Returns IDOK when the sheet ended with OK, IDCANCEL otherwise.
  INT_PTR DoModal(HWND owner = nullptr);
  HWND GetSafeHwnd() const { return m_hWnd; }

 protected:
  // Runs once the sheet window and its first page exist.
  virtual BOOL OnInitDialog();
  // Runs once per Apply or OK, after every page with a window accepted it:
  // what the sheet stores besides the pages' own data.
  virtual void OnCommit();

 private:
  static int CALLBACK SheetCallback(HWND hwnd, UINT msg, LPARAM lp);
  friend class PropertyPage;
  void PageApplied(PropertyPage* page);

  std::string m_caption;
  UINT m_startPage;
  std::vector<PropertyPage*> m_pages;
  HWND m_hWnd = nullptr;
};

}  // namespace fw
