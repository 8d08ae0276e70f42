#include "sheet/Kestrin_About.h"

#include "res/resource.h"

namespace sheet {

Kestrin_About::Kestrin_About() : fw::PropertyPage(IDD_ABOUT) {}

}  // namespace sheet
