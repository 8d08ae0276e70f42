#include "sheet/Kestrin_WheelSetting.h"

#include "res/resource.h"

namespace sheet {

Kestrin_WheelSetting::Kestrin_WheelSetting() : fw::PropertyPage(IDD_WHEEL) {}

}  // namespace sheet
