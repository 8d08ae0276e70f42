#include "framework/WinApp.h"

#include <cstdio>

#include "framework/Wnd.h"

namespace fw {
namespace {
WinApp* g_app = nullptr;
}

HINSTANCE ResourceInstance() { return ::GetModuleHandleA(nullptr); }

WinApp::WinApp() {
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
  if (!::LoadStringA(ResourceInstance(), AFX_IDS_APP_TITLE, m_szAppName, sizeof m_szAppName)) m_szAppName[0] = 0;
}

void WinApp::OnAppExit() {
  if (m_pMainWnd && m_pMainWnd->GetSafeHwnd()) m_pMainWnd->SendMessage(WM_CLOSE);
}

void WinApp::SetRegistryKey(const char* key) {
  std::snprintf(m_szRegistryKey, sizeof m_szRegistryKey, "%s", key);
}

HKEY WinApp::OpenSectionKey(const char* section) {
  char path[512];
  std::snprintf(path, sizeof path, "Software\\%s\\%s\\%s", m_szRegistryKey, m_szAppName, section);
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
    return nullptr;
  return key;
}

UINT WinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) {
  HKEY key = OpenSectionKey(section);
  if (!key) return static_cast<UINT>(defaultValue);
  DWORD value = 0, type = 0, size = sizeof value;
  LONG rc = ::RegQueryValueExA(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
  ::RegCloseKey(key);
  if (rc != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return static_cast<UINT>(defaultValue);
  return value;
}

BOOL WinApp::WriteProfileInt(const char* section, const char* entry, int value) {
  HKEY key = OpenSectionKey(section);
  if (!key) return FALSE;
  DWORD data = static_cast<DWORD>(value);
  LONG rc = ::RegSetValueExA(key, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
  ::RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

}  // namespace fw
