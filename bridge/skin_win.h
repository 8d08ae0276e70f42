// The skin library (SkinMagic.dll), imported by ordinal at run time: when it is
// missing, dialogs simply keep the platform's own look.
#pragma once

#include <windows.h>

namespace bridge {

// The three calls made once on each thread that shows dialogs: initialise the
// library, load the skin "SKIN1" of type "Skin" from the program's resources,
// and apply its "Dialog" section to dialogs. Results are not examined.
void ApplySkin(HINSTANCE instance);

}  // namespace bridge
