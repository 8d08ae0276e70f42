#include "bridge/CMsgThread.h"

#include "bridge/maker_libs_win.h"
#include "makerlibs/include/maker_contract.h"

namespace bridge {
namespace {
// How long process exit waits for the worker thread to tear its window down.
constexpr DWORD kShutdownWaitMs = 3000;
}  // namespace

BOOL CMsgThread::InitInstance() {
  m_pMainWnd = &m_dispatchDlg;
  m_dispatchDlg.Create(nullptr);
  m_dispatchDlg.ShowWindow(SW_HIDE);
  HWND target = m_dispatchDlg.GetSafeHwnd();

  if (PointerHookStart()) {
    PointerHookSetTarget(target);
    m_settings.PublishButtons();
    m_settings.PublishWheel();
  }
  KeyHookStart();
  DeviceLinkOpen(target, makerlibs::WM_MOUSEBTN_UP, 0);
  return TRUE;
}

CMsgThread::~CMsgThread() { Shutdown(); }

void CMsgThread::Shutdown() {
  // A second instance ends before it starts the thread: it has nothing to stop.
  if (!m_hThread || m_shutDown) return;
  m_shutDown = true;
  m_dispatchDlg.BeginShutdown();
  KeyHookStop();
  PointerHookStop();
  DeviceLinkClose();
  DestroyDispatchWindow();
}

void CMsgThread::DestroyDispatchWindow() {
  // A window can only be destroyed by its own thread: ask it, and wait for the
  // thread to end its loop (bounded, so that exit can never hang).
  if (!m_hThread || !m_dispatchDlg.RequestShutdown()) return;
  // The worker may be stuck in a slow action (a shell call, another
  // program's hook that does not answer): then what it holds is let go from here.
  if (::WaitForSingleObject(m_hThread.get(), kShutdownWaitMs) == WAIT_TIMEOUT) {
    // Stopped first, so that it cannot press anything after the release.
    ::SuspendThread(m_hThread.get());
    m_dispatchDlg.ReleaseHeld(/*workerStopped=*/true);
  }
}

}  // namespace bridge
