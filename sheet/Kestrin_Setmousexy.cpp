#include "sheet/Kestrin_Setmousexy.h"

#include "res/resource.h"

namespace sheet {

Kestrin_Setmousexy::Kestrin_Setmousexy() : fw::PropertyPage(IDD_XY) {}

}  // namespace sheet
