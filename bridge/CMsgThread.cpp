#include "bridge/CMsgThread.h"

#include "app/CDriverApp.h"
#include "bridge/maker_libs.h"
#include "bridge/messages.h"

namespace {
// How long process exit waits for the worker thread to tear its window down.
constexpr DWORD kShutdownWaitMs = 3000;
}

BOOL CMsgThread::InitInstance() {
  m_pMainWnd = &m_dispatchDlg;
  m_dispatchDlg.Create(nullptr);
  m_dispatchDlg.ShowWindow(SW_HIDE);
  HWND target = m_dispatchDlg.GetSafeHwnd();

  CDriverApp& app = DriverApp();
  if (makerlibs::PointerHookStart()) {
    makerlibs::PointerHookSetTarget(target);
    makerlibs::PointerHookSetButtonTable(app.ButtonTableAddress(), settings::kButtonCount);
    makerlibs::PointerHookSetWheelMode(app.m_nWheelType.load());
  }
  makerlibs::KeyHookStart();
  makerlibs::DeviceLinkOpen(target, WM_MOUSEBTN_UP, 0);
  return TRUE;
}

CMsgThread::~CMsgThread() {
  // A second instance ends before it starts the thread: it has nothing to stop.
  if (!m_hThread) return;
  makerlibs::KeyHookStop();
  makerlibs::PointerHookStop();
  makerlibs::DeviceLinkClose();
  DestroyDispatchWindow();
}

void CMsgThread::DestroyDispatchWindow() {
  HWND dispatch = m_dispatchDlg.GetSafeHwnd();
  if (!m_hThread || !dispatch) return;
  // A window can only be destroyed by its own thread: ask it, and wait for the
  // thread to end its loop (bounded, so that exit can never hang).
  if (::PostMessageA(dispatch, WM_DISPATCH_SHUTDOWN, 0, 0))
    ::WaitForSingleObject(m_hThread, kShutdownWaitMs);
}
