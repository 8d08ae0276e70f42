#include "sheet/Kestrin_ButtonSetting.h"

#include "res/resource.h"

Kestrin_ButtonSetting::Kestrin_ButtonSetting() : fw::PropertyPage(IDD_BUTTONS) {}
