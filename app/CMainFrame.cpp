#include "app/CMainFrame.h"

#include <shellapi.h>

#include "app/CDriverApp.h"
#include "app/settings_schema.h"
#include "bridge/device_channel_win.h"
#include "bridge/maker_libs.h"
#include "bridge/messages.h"
#include "bridge/sys_command.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "sheet/MyPropertySheet.h"

CMainFrame::CMainFrame() = default;

CMainFrame::~CMainFrame() {
  if (m_menuTray) ::DestroyMenu(m_menuTray);
  CDriverApp& app = DriverApp();
  if (app.m_pMainFrame == this) app.m_pMainFrame = nullptr;
}

int CMainFrame::OnCreate(CREATESTRUCTA*) {
  if (Default() == -1) return -1;
  m_menuTray = ::LoadMenuA(fw::ResourceInstance(), MAKEINTRESOURCEA(IDR_TRAY_MENU));
  LoadSettings();
  CDriverApp& app = DriverApp();
  device::WriteDeviceSpeed(app.m_nMouseXY[0], app.m_nMouseXY[1]);
  AddTrayIcon();

  UINT lines = 0;
  ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  if (settings::WheelLinesNeedReset(lines))
    ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, settings::kDefaultWheelLines, nullptr,
                            SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);

  settings::AccelerationTriple mouse{};
  if (::SystemParametersInfoA(SPI_GETMOUSE, 0, mouse.data(), 0) && settings::AccelerationPresetIndex(mouse) < 0) {
    settings::AccelerationTriple off = settings::kAccelerationOff;
    ::SystemParametersInfoA(SPI_SETMOUSE, 0, off.data(), SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
  }
  return 0;
}

void CMainFrame::LoadSettings() {
  CDriverApp& app = DriverApp();
  for (int i = 0; i < settings::kMacroTableSize; ++i) {
    int value = static_cast<int>(app.GetProfileInt(settings::kSectionMacro, settings::MacroValueName(i).c_str(),
                                                   settings::DefaultForIndex(i)));
    app.m_nMacroKey[i / settings::kMacroEntries][i % settings::kMacroEntries].store(value);
  }
  LoadButtonTable();
  for (int i = 0; i < settings::kSpeedCount; ++i)
    app.m_nMouseXY[i] = static_cast<int>(
        app.GetProfileInt(settings::kSectionMouseXY, settings::KeyValueName(i).c_str(), settings::DefaultForIndex(i)));
}

void CMainFrame::LoadButtonTable() {
  CDriverApp& app = DriverApp();
  for (int i = 0; i < settings::kButtonCount; ++i)
    app.m_nButtonFunc[i].store(static_cast<int>(
        app.GetProfileInt(settings::kSectionKey, settings::KeyValueName(i).c_str(), settings::DefaultForIndex(i))));
}

void CMainFrame::ReloadButtons() {
  LoadButtonTable();
  makerlibs::PointerHookSetButtonTable(DriverApp().ButtonTableAddress(), settings::kButtonCount);
}

void CMainFrame::ReloadWheel() {
  CDriverApp& app = DriverApp();
  app.m_nWheelType.store(static_cast<int>(app.GetProfileInt(settings::kSectionWheel, settings::kValueWheelType, 0)));
  makerlibs::PointerHookSetWheelMode(app.m_nWheelType.load());
}

void CMainFrame::AddTrayIcon() {
  NOTIFYICONDATAA data{};
  // The original 88-byte record: icon, callback message and a 64-byte tip.
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = m_hWnd;
  data.uID = kTrayIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = WM_TRAYNOTIFY;
  data.hIcon = static_cast<HICON>(::LoadImageA(fw::ResourceInstance(), MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON,
                                               ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON),
                                               LR_SHARED));
  lstrcpynA(data.szTip, kTrayTip, 64);
  ::Shell_NotifyIconA(NIM_ADD, &data);
}

void CMainFrame::RemoveTrayIcon() {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = m_hWnd;
  data.uID = kTrayIconId;
  data.uCallbackMessage = WM_TRAYNOTIFY;
  ::Shell_NotifyIconA(NIM_DELETE, &data);
}

void CMainFrame::OnDestroy() {
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
    case fw::ID_APP_EXIT:
      Exit();
      return TRUE;
    default:
      return FALSE;
  }
}

void CMainFrame::Exit() {
  if (m_sheetOpen) {
    m_exitPending = true;
    if (HWND sheet = ::FindWindowA(nullptr, kSheetCaption)) ::DestroyWindow(sheet);
    return;
  }
  fw::WinApp::Current()->OnAppExit();
}

void CMainFrame::OnSysCommand(UINT command, LPARAM) {
  if (IsSwallowedSysCommand(command)) return;
  Default();
}

void CMainFrame::OnEndSession(BOOL ending) {
  if (ending) PostMessage(WM_COMMAND, fw::ID_APP_EXIT, reinterpret_cast<LPARAM>(m_hWnd));
}

LRESULT CMainFrame::OnUserMessage(UINT msg, WPARAM, LPARAM lp) {
  switch (msg) {
    case WM_TRAYNOTIFY:
      OnTrayNotify(lp);
      return 0;
    case WM_RELOAD_BUTTONS:
      ReloadButtons();
      return 0;
    case WM_RELOAD_WHEEL:
      ReloadWheel();
      return 0;
    default:
      return Default();
  }
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
  HMENU popup = m_menuTray ? ::GetSubMenu(m_menuTray, 0) : nullptr;
  if (!popup) return;
  // Without the foreground the menu would not close on a click elsewhere.
  ::SetForegroundWindow(m_hWnd);
  ::TrackPopupMenu(popup, TPM_RIGHTBUTTON | TPM_CENTERALIGN, cursor.x, cursor.y, 0, m_hWnd, nullptr);
  PostMessage(WM_NULL);
}

void CMainFrame::OpenConfigSheet() {
  if (HWND open = ::FindWindowA(nullptr, kSheetCaption)) {
    ::SetForegroundWindow(open);
    return;
  }
  if (m_sheetOpen) return;
  MyPropertySheet sheet(kSheetCaption, nullptr, 0);
  sheet.AddPage(&m_pageButtons);
  sheet.AddPage(&m_pageLauncher);
  sheet.AddPage(&m_pageWheel);
  sheet.AddPage(&m_pageMove);
  sheet.AddPage(&m_pageMacro);
  sheet.AddPage(&m_pageMouseXY);
  sheet.AddPage(&m_pageAbout);
  m_sheetOpen = true;
  sheet.DoModal(m_hWnd);
  m_sheetOpen = false;
  if (m_exitPending) {
    m_exitPending = false;
    fw::WinApp::Current()->OnAppExit();
  }
}
