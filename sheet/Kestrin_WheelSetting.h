// The "Rad" tab: how far one notch of the wheel scrolls.
#pragma once

#include "framework/PropertyPage.h"

class Kestrin_WheelSetting : public fw::PropertyPage {
 public:
  Kestrin_WheelSetting();
};
