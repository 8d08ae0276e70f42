// The "Tasten" tab: a function for each mouse button and the double-click speed.
#pragma once

#include "framework/PropertyPage.h"

class Kestrin_ButtonSetting : public fw::PropertyPage {
 public:
  Kestrin_ButtonSetting();
};
