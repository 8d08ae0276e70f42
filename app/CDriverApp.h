// The application object: start-up and the wiring of the program. It creates
// the settings model and hands it to the tray frame and the worker thread.
#pragma once

#include "bridge/CMsgThread.h"
#include "bridge/maker_libs_win.h"
#include "framework/win_app_win.h"
#include "launcher/CHotButtonDlg.h"
#include "settings/registry_store_win.h"
#include "settings/settings_model.h"

namespace app {

class CDriverApp : public fw::WinApp {
 public:
  CDriverApp();
  // The worker-thread member goes first: hooks stopped, device library closed,
  // dispatch window destroyed. The mutex goes with the process.
  ~CDriverApp() override = default;

  BOOL InitInstance() override;
  // The exit command: from now on no queued button event is performed.
  void OnAppExit() override;

 private:
  settings::RegistryStore m_store;
  bridge::MakerHookLink m_hookLink;
  settings::SettingsModel m_settings{m_store, m_hookLink};
  // Declared after the settings, so destroyed before them: it stops the hooks that read them.
  bridge::CMsgThread m_msgThread{m_settings, [this] { launcher::OpenHotButton(m_store); }};
  HANDLE m_hMutex = nullptr;
};

}  // namespace app
