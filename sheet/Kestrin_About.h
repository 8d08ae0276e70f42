// The "Über" tab: the product picture and two lines of text, all from its
// template; the picture is replaced by the one drawn for the page's DPI.
#pragma once

#include "framework/art_win.h"
#include "framework/property_page_win.h"

namespace sheet {

class Kestrin_About : public fw::PropertyPage {
 public:
  Kestrin_About();

 protected:
  BOOL OnInitDialog() override;
  void OnDpiChanged(UINT dpi, const RECT* suggested) override;

 private:
  fw::DialogPicture m_banner;
};

}  // namespace sheet
