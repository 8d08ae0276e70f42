// Turns a slot's icon choice into an icon handle for the popup and the page.
#pragma once

#include "framework/owned_icon_win.h"
#include "launcher/launch_rule.h"

namespace launcher {

// A resource icon is shared; the shell's icon of a file, folder or protocol is
// owned by `icon` and goes with it; when there is none `icon` is left empty.
void LoadIconChoice(const IconChoice& choice, fw::OwnedIcon& icon);

}  // namespace launcher
