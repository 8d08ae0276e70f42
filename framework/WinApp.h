// The application object: the process's one global object, its main thread,
// and the profile (settings) in the per-user registry.
#pragma once

#include "framework/WinThread.h"

namespace fw {

// Command id of the application's exit command.
constexpr UINT ID_APP_EXIT = 0xE141;  // 57665
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

  // Profile root HKEY_CURRENT_USER\Software\<key>\<application title>.
  void SetRegistryKey(const char* key);
  // Both read and write create the keys on the way, as the profile has always done.
  UINT GetProfileInt(const char* section, const char* entry, int defaultValue);
  BOOL WriteProfileInt(const char* section, const char* entry, int value);

  HINSTANCE m_hInstance = nullptr;
  char m_szAppName[64] = "";
  char m_szRegistryKey[64] = "";

 private:
  HKEY OpenSectionKey(const char* section);
};

}  // namespace fw
