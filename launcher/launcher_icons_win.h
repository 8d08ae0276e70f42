// Turns a slot's icon choice into an icon handle for the popup and the page.
#pragma once

#include "framework/owned_icon_win.h"
#include "launcher/shortcut_table.h"

namespace launcher {

// A resource icon is shared; a file's first icon is owned by `icon` and goes
// with it; a file without icons leaves `icon` empty.
void LoadIconChoice(const IconChoice& choice, fw::OwnedIcon& icon);

}  // namespace launcher
