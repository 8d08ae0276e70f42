#include "app/CMainFrame.h"

#include <shellapi.h>

#include "app/tray_tip.h"
#include "bridge/device_channel_win.h"
#include "bridge/maker_libs_win.h"
#include "bridge/sys_command.h"
#include "framework/art_scale.h"
#include "framework/art_win.h"
#include "res/identity.h"
#include "res/resource.h"
#include "sheet/MyPropertySheet.h"
#include "sheet/page_rules.h"
#include "sheet/system_parameters_win.h"

namespace app {

CMainFrame::CMainFrame(fw::WinApp& app, settings::SettingsModel& settings)
    : m_app(app),
      m_settings(settings),
      m_msgTaskbarCreated(::RegisterWindowMessageA("TaskbarCreated")),
      m_pagePrograms(settings),
      m_pageMouseXY(settings),
      m_pageMacro(settings, bridge::KeyHookSetTarget),
      m_pageMove(m_system),
      m_pageWheel(m_system),
      m_pageLauncher(settings),
      m_pageButtons(settings) {}

int CMainFrame::OnCreate(CREATESTRUCTA*) {
  if (Default() == -1) return -1;
  m_menuTray.reset(::LoadMenuA(fw::ResourceInstance(), MAKEINTRESOURCEA(IDR_TRAY_MENU)));
  // The device takes 5..20; anything else (nothing stored yet, or a value an
  // outside tool wrote) is not sent, and stays stored as it is.
  if (m_settings.SpeedsInDeviceRange()) bridge::WriteDeviceSpeed(m_settings.Speed(0), m_settings.Speed(1));
  // The worker reports switches from its own thread: the tip is changed here.
  HWND frame = m_hWnd;
  m_settings.SetActiveChangedListener([frame] { ::PostMessageA(frame, res::WM_ACTIVE_PROGRAM_CHANGED, 0, 0); });
  AddTrayIcon();
  NormaliseSystemSettings();
  return 0;
}

void CMainFrame::NormaliseSystemSettings() {
  // A wheel that scrolls nothing is a broken setting, not a choice. The
  // acceleration stays as the user set it, even outside the pointer page's
  // four levels (Windows' own default, 6, 10, 1, is none of them): that page
  // shows no level for such a triple and leaves it alone.
  if (sheet::WheelLinesNeedReset(m_system.WheelScrollLines())) m_system.SetWheelScrollLines(sheet::kDefaultWheelLines);
}

NOTIFYICONDATAA CMainFrame::TrayRecord(UINT flags) const {
  NOTIFYICONDATAA data{};
  // The original 88-byte record: icon, callback message and a 64-byte tip.
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = m_hWnd;
  data.uID = res::kTrayIconId;
  data.uFlags = flags;
  data.uCallbackMessage = res::WM_TRAYNOTIFY;
  if (flags & NIF_TIP)
    lstrcpynA(data.szTip, TrayTip(m_settings.ActiveProgram()).c_str(), static_cast<int>(kTrayTipBytes));
  return data;
}

void CMainFrame::AddTrayIcon(bool modify, UINT dpi) {
  fw::LoadIconSized(fw::ResourceInstance(), IDI_APP, fw::ScaleToDpi(16, static_cast<int>(dpi ? dpi : fw::SystemDpi())),
                    m_trayIcon);
  NOTIFYICONDATAA data = TrayRecord(NIF_MESSAGE | NIF_ICON | NIF_TIP);
  data.hIcon = m_trayIcon.get();
  // An icon the tray lost (or never had) cannot be modified: it is added.
  if (!modify || !::Shell_NotifyIconA(NIM_MODIFY, &data)) ::Shell_NotifyIconA(NIM_ADD, &data);
}

void CMainFrame::OnDpiChanged(UINT dpi, const RECT*) { AddTrayIcon(true, dpi); }

void CMainFrame::UpdateTrayTip() {
  NOTIFYICONDATAA data = TrayRecord(NIF_TIP);
  // An icon the tray lost comes back with the taskbar ("TaskbarCreated"), with the tip of then.
  ::Shell_NotifyIconA(NIM_MODIFY, &data);
}

void CMainFrame::RemoveTrayIcon() {
  NOTIFYICONDATAA data = TrayRecord(0);
  ::Shell_NotifyIconA(NIM_DELETE, &data);
}

void CMainFrame::OnDestroy() {
  m_settings.SetActiveChangedListener(nullptr);
  Default();
  RemoveTrayIcon();
}

BOOL CMainFrame::OnCommand(WORD id, WORD, HWND) {
  switch (id) {
    case ID_OPEN_MOUSE_PANEL:
      ::ShellExecuteA(nullptr, "open", "rundll32.exe", "shell32.dll,Control_RunDLL main.cpl", nullptr, SW_SHOWNORMAL);
      return TRUE;
    case ID_CONFIGURATION:
      OpenConfigSheet();
      return TRUE;
    case ID_APP_EXIT:
      Exit();
      return TRUE;
    default:
      return FALSE;
  }
}

void CMainFrame::Exit() {
  if (m_sheetOpen) {
    m_exitPending = true;
    if (HWND sheet = ::FindWindowA(nullptr, res::kSheetCaption)) ::DestroyWindow(sheet);
    return;
  }
  m_app.OnAppExit();
}

void CMainFrame::OnSysCommand(UINT command, LPARAM) {
  if (bridge::IsSwallowedSysCommand(command)) return;
  Default();
}

void CMainFrame::OnEndSession(BOOL ending) {
  if (ending) PostMessage(WM_COMMAND, ID_APP_EXIT, reinterpret_cast<LPARAM>(m_hWnd));
}

LRESULT CMainFrame::OnUserMessage(UINT msg, WPARAM, LPARAM lp) {
  switch (msg) {
    case res::WM_TRAYNOTIFY:
      OnTrayNotify(lp);
      return 0;
    case res::WM_RELOAD_BUTTONS:
      m_settings.ReloadButtons();
      return 0;
    case res::WM_RELOAD_WHEEL:
      m_settings.ReloadWheel();
      return 0;
    case res::WM_ACTIVE_PROGRAM_CHANGED:
      UpdateTrayTip();
      return 0;
    default:
      return Default();
  }
}

LRESULT CMainFrame::OnRegisteredMessage(UINT msg, WPARAM, LPARAM) {
  if (msg != m_msgTaskbarCreated) return Default();
  AddTrayIcon();
  return 0;
}

void CMainFrame::OnTrayNotify(LPARAM mouseMessage) {
  if (mouseMessage == WM_RBUTTONDOWN)
    ShowTrayMenu();
  else if (mouseMessage == WM_LBUTTONDBLCLK)
    OpenConfigSheet();
}

void CMainFrame::ShowTrayMenu() {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  HMENU popup = m_menuTray ? ::GetSubMenu(m_menuTray.get(), 0) : nullptr;
  if (!popup) return;
  // Without the foreground the menu would not close on a click elsewhere.
  ::SetForegroundWindow(m_hWnd);
  ::TrackPopupMenu(popup, TPM_RIGHTBUTTON | TPM_CENTERALIGN, cursor.x, cursor.y, 0, m_hWnd, nullptr);
  PostMessage(WM_NULL);
}

void CMainFrame::OpenConfigSheet() {
  if (HWND open = ::FindWindowA(nullptr, res::kSheetCaption)) {
    ::SetForegroundWindow(open);
    return;
  }
  if (m_sheetOpen) return;
  sheet::MyPropertySheet configSheet(res::kSheetCaption, m_settings);
  configSheet.AddPage(&m_pageButtons);
  configSheet.AddPage(&m_pageLauncher);
  configSheet.AddPage(&m_pageWheel);
  configSheet.AddPage(&m_pageMove);
  configSheet.AddPage(&m_pageMacro);
  configSheet.AddPage(&m_pageMouseXY);
  configSheet.AddPage(&m_pagePrograms);
  configSheet.AddPage(&m_pageAbout);
  m_sheetOpen = true;
  configSheet.DoModal(m_hWnd);
  m_sheetOpen = false;
  if (m_exitPending) {
    m_exitPending = false;
    m_app.OnAppExit();
  }
}

}  // namespace app
