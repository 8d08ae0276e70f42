#include "sheet/Kestrin_Macro.h"

#include "res/resource.h"

Kestrin_Macro::Kestrin_Macro() : fw::PropertyPage(IDD_MACRO) {}
