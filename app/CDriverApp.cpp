#include "app/CDriverApp.h"

#include <commctrl.h>

#include "app/CMainFrame.h"
#include "bridge/skin_win.h"
#include "res/identity.h"
#include "res/resource.h"
#include "settings/schema.h"

namespace app {

CDriverApp::CDriverApp() : fw::WinApp(IDS_APP_TITLE) {}

BOOL CDriverApp::InitInstance() {
  // Common controls for the configuration sheet (sliders, lists, animation).
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);

  // The profile: HKEY_CURRENT_USER\Software\<registry key>\<application title>.
  m_store.SetProfileRoot(settings::kRegistryKey, m_szAppName[0] ? m_szAppName : settings::kAppName);
  bridge::ApplySkin(m_hInstance);

  // One instance per logon: a second start ends here without a word.
  m_mutex.reset(::CreateMutexA(nullptr, TRUE, res::kMutexName));
  if (::GetLastError() == ERROR_ALREADY_EXISTS) return FALSE;

  auto* frame = new CMainFrame(*this, m_settings);
  m_pMainWnd = frame;
  // The frame's creation loads the settings, writes the device speeds and adds the tray icon.
  frame->Create(nullptr, WS_OVERLAPPEDWINDOW, fw::FrameWnd::rectDefault, nullptr, nullptr, 0);
  frame->ShowWindow(SW_HIDE);
  ::SetWindowTextA(frame->GetSafeHwnd(), res::kFrameTitle);
  ::UpdateWindow(frame->GetSafeHwnd());

  // After the frame: the worker thread hands the hook the table just loaded.
  m_msgThread.CreateThread(0, 0, nullptr);
  return TRUE;
}

int CDriverApp::ExitInstance() {
  m_msgThread.Shutdown();
  return fw::WinApp::ExitInstance();
}

void CDriverApp::OnAppExit() {
  m_msgThread.BeginShutdown();
  fw::WinApp::OnAppExit();
}

}  // namespace app
