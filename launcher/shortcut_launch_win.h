// Starts a launcher shortcut: the predefined program through the shell, a
// chosen program file by its whole path, anything else as a command line.
#pragma once

#include "launcher/shortcut_table.h"

namespace launcher {

// Starts the shortcut at (page 1..2, index 1..9) of the given texts. Nothing is
// reported: a slot that names nothing startable simply starts nothing.
void LaunchSlot(int page, int index, const Table& texts);

// What LaunchSlot does with a decision; exposed for tests.
void PerformLaunch(const LaunchDecision& decision);

}  // namespace launcher
