#include "framework/prop_sheet_win.h"

#include "framework/win_app_win.h"

namespace fw {
namespace {
// The sheet callback has no user parameter: the sheet being created is handed
// over through the thread (sheets are created one at a time per thread).
thread_local PropSheet* t_creating = nullptr;
}  // namespace

PropSheet::~PropSheet() {
  for (PropertyPage* page : m_pages)
    if (page->m_sheet == this) page->m_sheet = nullptr;
}

BOOL PropSheet::OnInitDialog() { return TRUE; }

void PropSheet::OnCommit() {}

void PropSheet::PageApplied(PropertyPage* page) {
  // The sheet asks the pages with a window in their order: the last of them
  // closes the round.
  PropertyPage* last = nullptr;
  for (PropertyPage* p : m_pages)
    if (p->GetSafeHwnd()) last = p;
  if (page == last) OnCommit();
}

int CALLBACK PropSheet::SheetCallback(HWND hwnd, UINT msg, LPARAM) {
  if (msg == PSCB_INITIALIZED && t_creating) {
    t_creating->m_hWnd = hwnd;
    ::SetWindowSubclass(hwnd, SheetSubclass, 0, reinterpret_cast<DWORD_PTR>(t_creating));
    t_creating->OnInitDialog();
  }
  return 0;
}

LRESULT CALLBACK PropSheet::SheetSubclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
  if (msg == WM_DPICHANGED) {
    reinterpret_cast<PropSheet*>(self)->OnDpiChanged(LOWORD(wp), SuggestedRect(lp));
    return 0;
  }
  if (msg == WM_NCDESTROY) ::RemoveWindowSubclass(hwnd, SheetSubclass, 0);
  return ::DefSubclassProc(hwnd, msg, wp, lp);
}

void PropSheet::OnDpiChanged(UINT dpi, const RECT* suggested) {
  if (suggested && suggested->right > suggested->left && suggested->bottom > suggested->top)
    ::SetWindowPos(m_hWnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  // Pages are child windows: on Windows they hear of the change only after
  // the sheet, and Wine tells them nothing. The sheet passes it on.
  for (PropertyPage* page : m_pages)
    if (page->GetSafeHwnd()) page->OnDpiChanged(dpi, nullptr);
}

INT_PTR PropSheet::DoModal(HWND owner) {
  if (!owner) {
    WinThread* thread = WinThread::Current();
    if (thread && thread->m_pMainWnd) owner = thread->m_pMainWnd->GetSafeHwnd();
  }
  std::vector<HPROPSHEETPAGE> handles;
  for (PropertyPage* page : m_pages) {
    PROPSHEETPAGEA description = page->SheetPage();
    handles.push_back(::CreatePropertySheetPageA(&description));
  }
  PROPSHEETHEADERA header{};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_MODELESS | PSH_USECALLBACK | PSH_NOCONTEXTHELP;
  header.hwndParent = owner;
  header.hInstance = ResourceInstance();
  header.pszCaption = m_caption.c_str();
  header.nPages = static_cast<UINT>(handles.size());
  header.nStartPage = m_startPage;
  header.phpage = handles.data();
  header.pfnCallback = SheetCallback;

  t_creating = this;
  HWND sheet = reinterpret_cast<HWND>(::PropertySheetA(&header));
  t_creating = nullptr;
  if (!sheet || sheet == reinterpret_cast<HWND>(-1)) return -1;
  m_hWnd = sheet;

  bool reenable = owner && ::IsWindowEnabled(owner);
  if (reenable) ::EnableWindow(owner, FALSE);
  // The sheet has ended (OK, Cancel, close box) once it has no current page.
  RunModalLoop([sheet] { return ::IsWindow(sheet) && ::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0); },
               [sheet](MSG* msg) {
                 return ::SendMessageA(sheet, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(msg)) != 0;
               });
  INT_PTR result = IDCANCEL;
  if (::IsWindow(sheet)) {
    // Positive once a page accepted OK (ID_PSREBOOTSYSTEM/ID_PSRESTARTWINDOWS count as OK too).
    if (::SendMessageA(sheet, PSM_GETRESULT, 0, 0) > 0) result = IDOK;
  }
  if (reenable) ::EnableWindow(owner, TRUE);
  if (::IsWindow(sheet)) ::DestroyWindow(sheet);
  m_hWnd = nullptr;
  return result;
}

}  // namespace fw
