#include "app/CDriverApp.h"

#include <commctrl.h>

#include "app/CMainFrame.h"
#include "app/skin_win.h"
#include "bridge/messages.h"

CDriverApp::CDriverApp() {
  for (auto& macro : m_nMacroKey)
    for (auto& entry : macro) entry.store(0, std::memory_order_relaxed);
  for (auto& entry : m_nButtonFunc) entry.store(0, std::memory_order_relaxed);
}

// The worker-thread member goes first: hooks stopped, device library closed,
// dispatch window destroyed. The mutex goes with the process.
CDriverApp::~CDriverApp() = default;

CDriverApp& DriverApp() { return *static_cast<CDriverApp*>(fw::WinApp::Current()); }

const volatile int* CDriverApp::ButtonTableAddress() const {
  return reinterpret_cast<const volatile int*>(&m_nButtonFunc[0]);
}

BOOL CDriverApp::InitInstance() {
  // Common controls for the configuration sheet (sliders, lists, animation).
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);

  SetRegistryKey(settings::kRegistryKey);
  skin::ApplySkin(m_hInstance);

  // One instance per logon: a second start ends here without a word.
  m_hMutex = ::CreateMutexA(nullptr, TRUE, kMutexName);
  if (::GetLastError() == ERROR_ALREADY_EXISTS) return FALSE;

  auto* frame = new CMainFrame;
  m_pMainFrame = frame;
  m_pMainWnd = frame;
  // The frame's creation loads the settings, writes the device speeds and adds the tray icon.
  frame->Create(nullptr, WS_OVERLAPPEDWINDOW, fw::FrameWnd::rectDefault, nullptr, nullptr, 0);
  frame->ShowWindow(SW_HIDE);
  ::SetWindowTextA(frame->GetSafeHwnd(), kFrameTitle);
  ::UpdateWindow(frame->GetSafeHwnd());

  // After the frame: the worker thread hands the hook the table just loaded.
  m_msgThread.CreateThread(0, 0, nullptr);
  return TRUE;
}
