// The application object: the process's one global object and its main thread.
#pragma once

#include "framework/win_thread_win.h"

namespace fw {

// Command id of the application's exit command.
constexpr UINT kAppExitCommand = 0xE141;  // 57665
// String resource of the application's title.
constexpr UINT AFX_IDS_APP_TITLE = 0xE000;

// Module whose resources (dialogs, menus, icons, pictures) the program uses.
HINSTANCE ResourceInstance();

class WinApp : public WinThread {
 public:
  WinApp();
  ~WinApp() override;

  static WinApp* Current();

  // The program's entry: InitInstance, the main loop, ExitInstance.
  int Main(HINSTANCE instance);
  // Reads the application title (string AFX_IDS_APP_TITLE): the profile's application name.
  void LoadAppTitle();
  // Closes the main window, which ends the main loop.
  virtual void OnAppExit();

  HINSTANCE m_hInstance = nullptr;
  char m_szAppName[64] = "";
};

}  // namespace fw
