#include "bridge/CMsgThread.h"

#include "bridge/maker_libs_win.h"
#include "makerlibs/include/maker_contract.h"
#include "res/identity.h"

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

  m_dispatchDlg.InstallHooks();
  DeviceLinkOpen(target, makerlibs::WM_MOUSEBTN_UP, 0);
  // COM and the shell's object are the slow part: the loop takes them up as
  // its first posted message, so that the thread answers (and the program
  // counts as started) once the hooks are in place, and every button event,
  // posted after it, still finds the shell's object made.
  ::PostMessageA(target, res::WM_DISPATCH_CONNECT_SHELL, 0, 0);
  return TRUE;
}

CMsgThread::~CMsgThread() { Shutdown(); }

void CMsgThread::Shutdown() {
  // A second instance ends before it starts the thread: it has nothing to stop.
  if (!m_hThread || m_shutDown) return;
  m_shutDown = true;
  m_dispatchDlg.BeginShutdown();
  m_dispatchDlg.StopHooks();
  DeviceLinkClose();
  DestroyDispatchWindow();
}

void CMsgThread::DestroyDispatchWindow() {
  // A window can only be destroyed by its own thread: ask it, and wait for the
  // thread to end its loop (bounded, so that exit can never hang).
  if (!m_hThread || !m_dispatchDlg.RequestShutdown()) return;
  // The worker may be stuck in a slow action (a shell call, another
  // program's hook that does not answer): then what it holds is let go from
  // here. The worker is never suspended for that: stopped inside the heap or
  // holding the executor's lock, it would hang the release and the exit. It
  // presses nothing new meanwhile, since exit has begun; the release waits for
  // its lock a bounded time only.
  if (::WaitForSingleObject(m_hThread.get(), kShutdownWaitMs) == WAIT_TIMEOUT) m_dispatchDlg.ReleaseHeld();
}

}  // namespace bridge
