// The hidden main window: owns the tray icon and its menu, writes the loaded
// speeds to the device at start-up, owns the eight configuration pages and
// opens the sheet over them, and takes the reload requests of outside programs.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "framework/frame_wnd_win.h"
#include "framework/handles_win.h"
#include "framework/owned_icon_win.h"
#include "framework/win_app_win.h"
#include "launcher/Kestrin_ScrMenuSetting.h"
#include "sheet/Kestrin_About.h"
#include "sheet/Kestrin_ButtonSetting.h"
#include "sheet/Kestrin_Macro.h"
#include "sheet/Kestrin_Movesetting.h"
#include "sheet/Kestrin_Programs.h"
#include "sheet/Kestrin_Setmousexy.h"
#include "sheet/Kestrin_WheelSetting.h"
#include "sheet/system_parameters_win.h"
#include "settings/settings_model.h"

namespace app {

class CMainFrame : public fw::FrameWnd {
 public:
  // app: whose exit the frame's exit command starts.
  CMainFrame(fw::WinApp& app, settings::SettingsModel& settings);

  // Opens the configuration sheet, or brings an open one to the front.
  void OpenConfigSheet();

 protected:
  int OnCreate(CREATESTRUCTA* cs) override;
  void OnDestroy() override;
  BOOL OnCommand(WORD id, WORD code, HWND control) override;
  void OnSysCommand(UINT command, LPARAM lp) override;
  void OnEndSession(BOOL ending) override;
  LRESULT OnUserMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // The shell announces a new taskbar (after Explorer restarted): the icons it
  // had are gone, so the tray icon is added again.
  LRESULT OnRegisteredMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // The system's scale changed: the tray shows small icons of the new size.
  void OnDpiChanged(UINT dpi, const RECT* suggested) override;

 private:
  void NormaliseSystemSettings();
  // The tray's record of our icon, with the parts `flags` names (the tip from the active program).
  NOTIFYICONDATAA TrayRecord(UINT flags) const;
  // Adds the tray icon, or (`modify`) gives it a picture of the size `dpi` asks
  // for; the tip names the program whose settings are active.
  void AddTrayIcon(bool modify = false, UINT dpi = 0);
  // The active table switched: only the tip changes.
  void UpdateTrayTip();
  void RemoveTrayIcon();
  void OnTrayNotify(LPARAM mouseMessage);
  void ShowTrayMenu();
  void Exit();

  fw::WinApp& m_app;
  settings::SettingsModel& m_settings;
  const UINT m_msgTaskbarCreated;
  // Stateless; the wheel and pointer pages and the start-up normalisation share it.
  sheet::PlatformSystemParameters m_system;
  fw::UniqueMenu m_menuTray;
  // The tray's picture, drawn at the small-icon size of the system's scale (the shell keeps a copy).
  fw::OwnedIcon m_trayIcon;
  // Page objects in construction order; they outlive each opening of the sheet.
  sheet::Kestrin_About m_pageAbout;
  sheet::Kestrin_Programs m_pagePrograms;
  sheet::Kestrin_Setmousexy m_pageMouseXY;
  sheet::Kestrin_Macro m_pageMacro;
  sheet::Kestrin_Movesetting m_pageMove;
  sheet::Kestrin_WheelSetting m_pageWheel;
  launcher::Kestrin_ScrMenuSetting m_pageLauncher;
  sheet::Kestrin_ButtonSetting m_pageButtons;

  // The sheet runs a nested message loop inside OpenConfigSheet: an exit that
  // arrives meanwhile closes the sheet first and completes once the loop unwound.
  bool m_sheetOpen = false;
  bool m_exitPending = false;
};

}  // namespace app
