#include "sheet/Kestrin_Macro.h"

#include "res/resource.h"

namespace sheet {

Kestrin_Macro::Kestrin_Macro() : fw::PropertyPage(IDD_MACRO) {}

}  // namespace sheet
