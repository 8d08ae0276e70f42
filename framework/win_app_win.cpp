#include "framework/win_app_win.h"

#include "framework/wnd_win.h"

namespace fw {

HINSTANCE ResourceInstance() { return ::GetModuleHandleA(nullptr); }

WinApp::WinApp(UINT titleStringId) : m_titleStringId(titleStringId) { m_hInstance = ::GetModuleHandleA(nullptr); }

int WinApp::Main(HINSTANCE instance) {
  m_hInstance = instance;
  BindToCurrentThread();
  LoadAppTitle();
  if (!InitInstance()) return ExitInstance();
  return Run();
}

void WinApp::LoadAppTitle() {
  if (!::LoadStringA(ResourceInstance(), m_titleStringId, m_szAppName, sizeof m_szAppName)) m_szAppName[0] = 0;
}

void WinApp::OnAppExit() {
  if (m_pMainWnd && m_pMainWnd->GetSafeHwnd()) m_pMainWnd->SendMessage(WM_CLOSE);
}

}  // namespace fw
