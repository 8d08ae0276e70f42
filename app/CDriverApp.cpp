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

  // The settings first, then at once the worker thread, which hands the hook
  // the table just loaded: the hooks are in place while the frame is still
  // being made (the tray icon is the slow part of that).
  m_settings.Load();
  m_msgThread.CreateThread(0, 0, nullptr);

  auto* frame = new CMainFrame(*this, m_settings);
  m_pMainWnd = frame;
  // The frame's creation writes the device speeds and adds the tray icon.
  if (!frame->Create(nullptr, WS_OVERLAPPEDWINDOW, fw::FrameWnd::rectDefault, nullptr, nullptr, 0)) {
    // A window that was made and then refused went with its object (the frame
    // deletes itself with its window, and is no longer the main window then);
    // an object that never got its window is still ours to delete. Either way
    // nothing is left to end the process later: it ends now, and says so.
    if (m_pMainWnd == frame) delete frame;
    m_pMainWnd = nullptr;
    m_startFailed = true;
    return FALSE;
  }
  frame->ShowWindow(SW_HIDE);
  ::SetWindowTextA(frame->GetSafeHwnd(), res::kFrameTitle);
  ::UpdateWindow(frame->GetSafeHwnd());
  return TRUE;
}

int CDriverApp::ExitInstance() {
  m_msgThread.Shutdown();
  const int code = fw::WinApp::ExitInstance();
  return m_startFailed ? kStartFailedExitCode : code;
}

void CDriverApp::OnAppExit() {
  m_msgThread.BeginShutdown();
  fw::WinApp::OnAppExit();
}

}  // namespace app
