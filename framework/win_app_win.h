// The application object: the process's one global object and its main thread.
#pragma once

#include "framework/win_thread_win.h"

namespace fw {

// Module whose resources (dialogs, menus, icons, pictures) the program uses.
HINSTANCE ResourceInstance();

class WinApp : public WinThread {
 public:
  // titleStringId: the string resource of the application's title.
  explicit WinApp(UINT titleStringId);
  ~WinApp() override;

  static WinApp* Current();

  // The program's entry: InitInstance, the main loop, ExitInstance.
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
