#include "framework/win_app_win.h"

#include "framework/wnd_win.h"

namespace fw {
namespace {
WinApp* g_app = nullptr;
}

HINSTANCE ResourceInstance() { return ::GetModuleHandleA(nullptr); }

WinApp::WinApp(UINT titleStringId) : m_titleStringId(titleStringId) {
  g_app = this;
  m_hInstance = ::GetModuleHandleA(nullptr);
}

WinApp::~WinApp() {
  if (g_app == this) g_app = nullptr;
}

WinApp* WinApp::Current() { return g_app; }

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
