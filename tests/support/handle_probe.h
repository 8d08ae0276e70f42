// Wine 8 answers GetGuiResources with 0, so leaks of USER objects (windows,
// icons, menus) are counted another way. Their handles come from one table for
// all processes of the Wine server, which hands out freed entries first and
// new ones from the top after that: taking fresh handles until they come from
// the top tells how many entries are free, and so how many are in use. The
// figure includes everything else alive at the time: compare two of them, and
// allow a little for what other threads did meanwhile. (GDI objects are
// counted exactly, per process: GdiObjectCount in screen_pixels.h.)
#pragma once

namespace testsupport {

// USER handle entries in use (icons are taken and destroyed again).
int UserHandlesInUse();

}  // namespace testsupport
