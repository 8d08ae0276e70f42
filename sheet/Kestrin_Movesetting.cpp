#include "sheet/Kestrin_Movesetting.h"

#include "res/resource.h"

Kestrin_Movesetting::Kestrin_Movesetting() : fw::PropertyPage(IDD_MOVE) {}
