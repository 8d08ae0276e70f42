// The "X/Y-Achse" tab: the sensor's separate X and Y speeds.
#pragma once

#include "framework/PropertyPage.h"

namespace sheet {

class Kestrin_Setmousexy : public fw::PropertyPage {
 public:
  Kestrin_Setmousexy();
};

}  // namespace sheet
