#include "sheet/Kestrin_WheelSetting.h"

#include "res/resource.h"

Kestrin_WheelSetting::Kestrin_WheelSetting() : fw::PropertyPage(IDD_WHEEL) {}
