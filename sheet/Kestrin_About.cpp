#include "sheet/Kestrin_About.h"

#include "res/resource.h"

namespace sheet {

Kestrin_About::Kestrin_About() : fw::PropertyPage(IDD_ABOUT) {}

BOOL Kestrin_About::OnInitDialog() {
  fw::PropertyPage::OnInitDialog();
  m_banner.Show(m_hWnd, IDB_ABOUT);
  return TRUE;
}

void Kestrin_About::OnDpiChanged(UINT dpi, const RECT*) { m_banner.Reload(dpi); }

}  // namespace sheet
