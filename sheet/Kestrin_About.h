// The "Über" tab: the product picture and two lines of text, all from its template.
#pragma once

#include "framework/property_page_win.h"

namespace sheet {

class Kestrin_About : public fw::PropertyPage {
 public:
  Kestrin_About();
};

}  // namespace sheet
