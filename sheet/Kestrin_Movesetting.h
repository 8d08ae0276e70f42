// The "Bewegen" tab: pointer speed, acceleration and snap to the default button.
#pragma once

#include "framework/PropertyPage.h"

namespace sheet {

class Kestrin_Movesetting : public fw::PropertyPage {
 public:
  Kestrin_Movesetting();
};

}  // namespace sheet
