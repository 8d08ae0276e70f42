// Starts launcher shortcuts through the shell, the way Explorer opens what a
// user double-clicks, on a short-lived thread of its own: the caller (the
// worker thread, which must keep answering button events) never waits for
// the program to come up.
#pragma once

#include "launcher/launch_rule.h"

namespace launcher {

// The machine the program runs on, as the launch rule asks about it.
const LaunchSurroundings& SystemSurroundings();

// Starts what the launch rule decided and returns at once. Nothing is reported:
// a slot that names nothing startable simply starts nothing.
void StartLaunch(const Launch& launch);

// Starts the shortcut at (page 1..2, index 1..9) of the given texts.
void LaunchSlot(int page, int index, const Table& texts);

}  // namespace launcher
