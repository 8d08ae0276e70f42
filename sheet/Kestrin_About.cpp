#include "sheet/Kestrin_About.h"

#include "res/resource.h"

Kestrin_About::Kestrin_About() : fw::PropertyPage(IDD_ABOUT) {}

BOOL Kestrin_About::OnInitDialog() {
  fw::PropertyPage::OnInitDialog();
  return TRUE;
}
