// The application object: the program's main thread, created by WinMain.
#pragma once

#include "framework/win_thread_win.h"

namespace fw {

// Module whose resources (dialogs, menus, icons, pictures) the program uses.
HINSTANCE ResourceInstance();

class WinApp : public WinThread {
 public:
  // titleStringId: the string resource of the application's title.
  explicit WinApp(UINT titleStringId);

  // The program's entry: InitInstance, the main loop, ExitInstance (also when
  // InitInstance declined): the exit step runs before Main returns.
  int Main(HINSTANCE instance);
  // Reads the application title from its string resource: the profile's application name.
  void LoadAppTitle();
  // Closes the main window, which ends the main loop.
  virtual void OnAppExit();

  HINSTANCE m_hInstance = nullptr;
  const UINT m_titleStringId;
  char m_szAppName[64] = "";
};

}  // namespace fw
