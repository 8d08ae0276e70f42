#include "bridge/CDispatchDlg.h"

#include <commctrl.h>

#include "bridge/skin_win.h"
#include "bridge/sys_command.h"
#include "framework/win_app_win.h"
#include "makerlibs/include/maker_contract.h"
#include "res/identity.h"
#include "res/resource.h"

namespace bridge {

static_assert(makerlibs::kWmUser == WM_USER, "the program's and the hooks' messages are numbered from WM_USER");

CDispatchDlg::CDispatchDlg(settings::SettingsModel& settings, std::function<void()> openLauncher)
    : fw::Dialog(IDD_DISPATCH),
      m_settings(settings),
      m_openLauncher(std::move(openLauncher)),
      m_indicator(fw::ResourceInstance()) {}

// The shell object belongs to the worker thread's apartment: it is released in
// OnDestroy there, never from the thread that destroys this object.
CDispatchDlg::~CDispatchDlg() = default;

BOOL CDispatchDlg::RequestShutdown() {
  HWND hwnd = GetSafeHwnd();
  if (!hwnd) return FALSE;
  m_shutdownRequested.store(true);
  return ::PostMessageA(hwnd, res::WM_DISPATCH_SHUTDOWN, 0, 0);
}

BOOL CDispatchDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  ApplySkin(fw::ResourceInstance());
  return TRUE;
}

// After the hooks: starting COM and making the shell's object take most of the
// worker's start-up, and no click should wait for them.
void CDispatchDlg::ConnectShell() {
  // Once; the message could also come from another program.
  if (m_shellConnected) return;
  m_shellConnected = true;
  m_comStarted = SUCCEEDED(::CoInitialize(nullptr));
  ::InitCommonControls();
  if (FAILED(::CoCreateInstance(CLSID_Shell, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IShellDispatch,
                                m_pShellDispatch.PutVoid())))
    m_pShellDispatch.Reset();
}

void CDispatchDlg::OnDestroy() {
  // A picture still showing when the program ends must not stay on the screen.
  m_indicator.Hide();
  m_hookWatch.Detach();
  m_foregroundWatch.Stop();
  Default();
  m_pShellDispatch.Reset();
  if (m_comStarted) ::CoUninitialize();
  m_comStarted = false;
}

void CDispatchDlg::OnTimer(UINT_PTR id) {
  if (id == actions::kIndicatorTimerId) {
    m_indicator.Hide();
    ::KillTimer(m_hWnd, id);
  } else if (id == kHookWatchTimerId) {
    m_hookWatch.OnTimer();
  }
  Default();
}

void CDispatchDlg::OnPowerBroadcast(WPARAM event) {
  if (m_hookWatch.OnPowerBroadcast(event)) m_executor.ReleaseHeld();
}

void CDispatchDlg::OnSessionChange(WPARAM event) {
  // Nothing a button holds (Shift, the left button) may stay down on the lock
  // screen, nor for the session that takes over.
  if (m_hookWatch.OnSessionChange(event)) m_executor.ReleaseHeld();
}

void CDispatchDlg::OnRawInput(WPARAM) {
  m_hookWatch.OnRawInput();
  Default();
}

void CDispatchDlg::OnSysCommand(UINT command, LPARAM) {
  if (IsSwallowedSysCommand(command)) return;
  Default();
}

LRESULT CDispatchDlg::OnUserMessage(UINT msg, WPARAM, LPARAM lp) {
  switch (msg) {
    case makerlibs::WM_MOUSEBTN_DOWN:
      OnButtonEvent(static_cast<int>(lp), actions::Notification::Press);
      return 0;
    case makerlibs::WM_MOUSEBTN_UP: {
      // The device library reports resolution steps on the same message.
      const int level = makerlibs::ResolutionLevelOfEventCode(static_cast<int>(lp));
      if (level >= 0)
        OnResolutionReport(level);
      else
        OnButtonEvent(static_cast<int>(lp), actions::Notification::Release);
      return 0;
    }
    case res::WM_DISPATCH_CONNECT_SHELL:
      // Ahead of every button event queued behind this message, the foreground
      // program's table is chosen (once: the message could come from elsewhere).
      m_foregroundWatch.Start();
      ConnectShell();
      return 0;
    case res::WM_DISPATCH_SHUTDOWN:
      if (!m_shutdownRequested.load()) return 0;
      // Nothing a held function pressed may stay down once the program is gone.
      m_executor.ReleaseHeld();
      DestroyWindow();
      ::PostQuitMessage(0);
      return 0;
    default:
      return Default();
  }
}

void CDispatchDlg::OnButtonEvent(int eventCode, actions::Notification notification) {
  // A backlog of events must not hold up exit, nor press keys nobody releases after it.
  if (m_shutdownRequested.load()) return;
  // The tables are read at the moment the event arrives; the main thread may
  // be changing them meanwhile, and a foreground switch reported on this
  // thread has chosen the active one already.
  m_executor.OnButtonEvent(eventCode, notification, m_settings.ActiveButtons(), m_settings.Macros());
}

void CDispatchDlg::OnResolutionReport(int level) {
  const auto picture = actions::LevelPictureOf(level);
  if (!picture) return;
  m_indicator.Show(picture->bitmapId);
  // Raw path: "Setting For Dpi" belongs to installation and is never created here.
  m_settings.Storage().WriteRegDword(settings::kSectionDpi, settings::kValueMouseDpi, picture->dpi);
  // Restarts the time when a picture was already showing.
  ::SetTimer(m_hWnd, actions::kIndicatorTimerId, actions::kIndicatorShowMs, nullptr);
}

void CDispatchDlg::Shell(actions::ShellAction action) { actions::PerformShellAction(action, m_pShellDispatch.Get()); }

// The popup runs modally here: its loop keeps dispatching this thread's
// messages, so every other button keeps its function meanwhile.
void CDispatchDlg::OpenLauncher() {
  if (m_openLauncher) m_openLauncher();
}

}  // namespace bridge
