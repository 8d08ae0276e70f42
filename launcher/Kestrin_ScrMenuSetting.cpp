#include "launcher/Kestrin_ScrMenuSetting.h"

#include "res/resource.h"

namespace launcher {

Kestrin_ScrMenuSetting::Kestrin_ScrMenuSetting() : fw::PropertyPage(IDD_LAUNCHER_PAGE) {}

}  // namespace launcher
