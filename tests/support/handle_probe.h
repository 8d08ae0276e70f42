// Wine 8 answers GetGuiResources with 0, so leaks of window-system objects are
// counted another way. Handles come from tables that hand out freed entries
// first and new ones from the top after that: taking fresh handles until they
// come from the top tells how many entries are free, and so how many are in
// use. USER handles (windows, icons, menus) of every process of the Wine
// server share one table; GDI handles (bitmaps, brushes, DCs) have a table per
// process. The figures include everything else alive at the time: compare two
// of them, and allow a little for what other threads did meanwhile.
#pragma once

namespace testsupport {

// USER handle entries in use (icons are taken and destroyed again).
int UserHandlesInUse();
// GDI handle entries of this process in use (brushes).
int GdiHandlesInUse();

}  // namespace testsupport
