// The program's entry point. The application object lives for the run of
// WinMain: its exit step runs inside Main, and nothing is left for the
// destruction of statics.
#include "app/CDriverApp.h"
#include "framework/libraries_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Before anything can load a library by name.
  fw::RestrictLibrarySearch();
  app::CDriverApp driverApp;
  return driverApp.Main(instance);
}
