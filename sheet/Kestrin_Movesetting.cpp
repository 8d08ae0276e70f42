#include "sheet/Kestrin_Movesetting.h"

#include "res/resource.h"

namespace sheet {

Kestrin_Movesetting::Kestrin_Movesetting() : fw::PropertyPage(IDD_MOVE) {}

}  // namespace sheet
