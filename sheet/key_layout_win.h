// The names of the keys under the keyboard layout the user types with.
#pragma once

#include "sheet/key_names.h"

namespace sheet {

// Key names for the layout of the calling thread (the sheet's: the one the
// user types into it with).
KeyNamer ActiveLayoutKeyNamer();

}  // namespace sheet
