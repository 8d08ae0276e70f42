// The application object: start-up and the wiring of the program. It creates
// the settings model and hands it to the tray frame and the worker thread.
#pragma once

#include "bridge/CMsgThread.h"
#include "bridge/maker_libs_win.h"
#include "framework/handles_win.h"
#include "framework/win_app_win.h"
#include "launcher/CHotButtonDlg.h"
#include "settings/registry_store_win.h"
#include "settings/settings_model.h"

namespace app {

class CDriverApp : public fw::WinApp {
 public:
  // The process's exit code when its frame could not be created (a second
  // instance ends with 0: it is no failure).
  static constexpr int kStartFailedExitCode = 1;

  CDriverApp();

  BOOL InitInstance() override;
  // The exit command: from now on no queued button event is performed.
  void OnAppExit() override;
  // After the main loop: hooks stopped, device library closed, dispatch
  // window destroyed, before anything they use goes.
  int ExitInstance() override;

 private:
  settings::RegistryStore m_store;
  bridge::MakerHookLink m_hookLink;
  settings::SettingsModel m_settings{m_store, m_hookLink};
  // Declared after the settings, so destroyed before them: it stops the hooks that read them.
  // The popup's page turning carries on from one opening to the next.
  launcher::WheelPager m_popupPager;
  bridge::CMsgThread m_msgThread{m_settings, [this] { launcher::OpenHotButton(m_store, m_popupPager); }};
  // Held until the application object goes, at the end of WinMain.
  fw::UniqueHandle m_mutex;
  bool m_startFailed = false;
};

}  // namespace app
