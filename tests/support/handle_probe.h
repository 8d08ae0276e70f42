// Wine 8 answers GetGuiResources with 0, so leaks of window-system objects are
// seen another way: handles come from tables that reuse freed slots first,
// so the highest slot among many fresh handles grows only when handles leak.
// USER handles (windows, icons, menus) live in one table for all processes of
// the Wine server; GDI handles (bitmaps, brushes, DCs) in a table per process.
#pragma once

namespace testsupport {

// The highest USER handle slot among 300 fresh icons (destroyed again).
int UserHandleHighWater();
// The highest GDI handle slot of this process among 300 fresh brushes.
int GdiHandleHighWater();

}  // namespace testsupport
