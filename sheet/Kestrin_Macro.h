// The "Makro" tab: three recorded key macros.
#pragma once

#include "framework/PropertyPage.h"

namespace sheet {

class Kestrin_Macro : public fw::PropertyPage {
 public:
  Kestrin_Macro();
};

}  // namespace sheet
