// The program's entry point and its one application object.
#include "app/CDriverApp.h"

app::CDriverApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return theApp.Main(instance); }
