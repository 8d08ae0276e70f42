// The "Hot Button" tab: the eighteen launcher shortcuts.
#pragma once

#include "framework/PropertyPage.h"

namespace launcher {

class Kestrin_ScrMenuSetting : public fw::PropertyPage {
 public:
  Kestrin_ScrMenuSetting();
};

}  // namespace launcher
