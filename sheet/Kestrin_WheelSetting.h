// The "Rad" tab: how far one notch of the wheel scrolls.
#pragma once

#include "framework/PropertyPage.h"

namespace sheet {

class Kestrin_WheelSetting : public fw::PropertyPage {
 public:
  Kestrin_WheelSetting();
};

}  // namespace sheet
