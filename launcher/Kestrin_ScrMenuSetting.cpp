#include "launcher/Kestrin_ScrMenuSetting.h"

#include "res/resource.h"

Kestrin_ScrMenuSetting::Kestrin_ScrMenuSetting() : fw::PropertyPage(IDD_LAUNCHER_PAGE) {}
