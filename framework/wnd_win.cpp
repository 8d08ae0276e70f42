#include "framework/wnd_win.h"

#include <commctrl.h>

#include <unordered_map>

namespace fw {
namespace {
// Which object each of our windows belongs to. Kept in the process rather than
// on the window (a property or the user-data slot): every queued message is
// looked up, a property costs a round trip to the Wine server each time, and
// a control's own user data could be taken for one of ours.
SRWLOCK g_objectsLock = SRWLOCK_INIT;
std::unordered_map<HWND, Wnd*>& Objects() {
  // Never destroyed: the application object's windows detach during static destruction.
  static auto* objects = new std::unordered_map<HWND, Wnd*>;
  return *objects;
}
}  // namespace

Wnd::~Wnd() {
  // An object that dies before its window leaves the window without handlers.
  if (m_hWnd) {
    HWND hwnd = m_hWnd;
    Detach();
    ::DestroyWindow(hwnd);
  }
}

Wnd* Wnd::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  ::AcquireSRWLockShared(&g_objectsLock);
  const auto found = Objects().find(hwnd);
  Wnd* wnd = found == Objects().end() ? nullptr : found->second;
  ::ReleaseSRWLockShared(&g_objectsLock);
  return wnd;
}

void Wnd::Attach(HWND hwnd) {
  m_hWnd = hwnd;
  ::AcquireSRWLockExclusive(&g_objectsLock);
  Objects()[hwnd] = this;
  ::ReleaseSRWLockExclusive(&g_objectsLock);
}

void Wnd::Detach() {
  if (m_hWnd) {
    ::AcquireSRWLockExclusive(&g_objectsLock);
    const auto found = Objects().find(m_hWnd);
    if (found != Objects().end() && found->second == this) Objects().erase(found);
    ::ReleaseSRWLockExclusive(&g_objectsLock);
  }
  m_hWnd = nullptr;
}

BOOL Wnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

BOOL Wnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT Wnd::Dispatch(UINT msg, WPARAM wp, LPARAM lp, bool* defaulted) {
  Current current{msg, wp, lp, false};
  Current* outer = m_current;
  m_current = &current;
  ++m_dispatchDepth;
  LRESULT result = WindowProc(msg, wp, lp);
  --m_dispatchDepth;
  m_current = outer;
  if (defaulted) *defaulted = current.defaulted;
  if (msg == WM_NCDESTROY) {
    Detach();
    m_windowGone = true;
  }
  // A window may be destroyed inside one of its own handlers (WM_CLOSE, an exit
  // command): the object is released only once the outermost handler returned.
  if (m_windowGone && m_dispatchDepth == 0) {
    m_windowGone = false;
    PostNcDestroy();  // may delete this
  }
  return result;
}

template <Wnd::Binding binding>
std::conditional_t<binding == Wnd::Binding::Frame, LRESULT, INT_PTR> CALLBACK Wnd::Procedure(HWND hwnd, UINT msg,
                                                                                             WPARAM wp, LPARAM lp) {
  constexpr UINT kBindingMessage = binding == Binding::Frame ? WM_NCCREATE : WM_INITDIALOG;
  Wnd* wnd = FromHandle(hwnd);
  if (!wnd && msg == kBindingMessage) {
    if constexpr (binding == Binding::Frame)
      wnd = static_cast<Wnd*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    else if constexpr (binding == Binding::Dialog)
      wnd = reinterpret_cast<Wnd*>(lp);
    else
      wnd = reinterpret_cast<Wnd*>(reinterpret_cast<PROPSHEETPAGEA*>(lp)->lParam);
    if (wnd) wnd->Attach(hwnd);
  }
  // Messages before the binding one (WM_GETMINMAXINFO, WM_SETFONT) get the
  // default processing: a window's own, a dialog's from the dialog manager.
  if (!wnd) {
    if constexpr (binding == Binding::Frame)
      return ::DefWindowProcA(hwnd, msg, wp, lp);
    else
      return FALSE;
  }
  return wnd->ProcessMessage(msg, wp, lp);
}

template LRESULT CALLBACK Wnd::Procedure<Wnd::Binding::Frame>(HWND, UINT, WPARAM, LPARAM);
template INT_PTR CALLBACK Wnd::Procedure<Wnd::Binding::Dialog>(HWND, UINT, WPARAM, LPARAM);
template INT_PTR CALLBACK Wnd::Procedure<Wnd::Binding::Page>(HWND, UINT, WPARAM, LPARAM);

LRESULT Wnd::ProcessMessage(UINT msg, WPARAM wp, LPARAM lp) { return Dispatch(msg, wp, lp, nullptr); }

LRESULT Wnd::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) { return ::DefWindowProcA(m_hWnd, msg, wp, lp); }

LRESULT Wnd::Default() {
  if (!m_current) return 0;
  m_current->defaulted = true;
  return DefaultProc(m_current->msg, m_current->wp, m_current->lp);
}

LRESULT Wnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      return OnCreate(reinterpret_cast<CREATESTRUCTA*>(lp));
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_COMMAND:
      if (OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp))) return 0;
      return Default();
    case WM_NOTIFY:
      return OnNotify(reinterpret_cast<NMHDR*>(lp));
    case WM_SYSCOMMAND:
      OnSysCommand(static_cast<UINT>(wp), lp);
      return 0;
    case WM_TIMER:
      OnTimer(wp);
      return 0;
    case WM_ENDSESSION:
      OnEndSession(static_cast<BOOL>(wp));
      return 0;
    case WM_LBUTTONDBLCLK:
      OnLButtonDblClk(static_cast<UINT>(wp), POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
      return 0;
    case WM_WINDOWPOSCHANGING:
      OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lp));
      return 0;
    case WM_DPICHANGED:
      OnDpiChanged(LOWORD(wp), SuggestedRect(lp));
      return 0;
    case WM_HSCROLL:
      OnHScroll(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
      return 0;
    case WM_POWERBROADCAST:
      OnPowerBroadcast(wp);
      return TRUE;  // granted, for the systems that still ask
    case WM_WTSSESSION_CHANGE:
      OnSessionChange(wp);
      return 0;
    case WM_INPUT:
      OnRawInput(wp);
      return 0;
    default:
      if (msg >= WM_USER && msg < 0xC000) return OnUserMessage(msg, wp, lp);
      if (msg >= 0xC000 && msg <= 0xFFFF) return OnRegisteredMessage(msg, wp, lp);
      return Default();
  }
}

int Wnd::OnCreate(CREATESTRUCTA*) { return static_cast<int>(Default()); }
void Wnd::OnDestroy() { Default(); }
void Wnd::OnClose() { Default(); }
BOOL Wnd::OnCommand(WORD, WORD, HWND) { return FALSE; }
LRESULT Wnd::OnNotify(NMHDR*) { return Default(); }
void Wnd::OnSysCommand(UINT, LPARAM) { Default(); }
void Wnd::OnTimer(UINT_PTR) { Default(); }
void Wnd::OnEndSession(BOOL) { Default(); }
void Wnd::OnLButtonDblClk(UINT, POINT) { Default(); }
void Wnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void Wnd::OnDpiChanged(UINT, const RECT*) { Default(); }
void Wnd::OnHScroll(UINT, UINT, HWND) { Default(); }
void Wnd::OnPowerBroadcast(WPARAM) { Default(); }
void Wnd::OnSessionChange(WPARAM) { Default(); }
void Wnd::OnRawInput(WPARAM) { Default(); }
LRESULT Wnd::OnUserMessage(UINT, WPARAM, LPARAM) { return Default(); }
LRESULT Wnd::OnRegisteredMessage(UINT, WPARAM, LPARAM) { return Default(); }
void Wnd::PostNcDestroy() {}

const RECT* SuggestedRect(LPARAM lp) {
  const auto* rect = reinterpret_cast<const RECT*>(lp);
  MEMORY_BASIC_INFORMATION region{};
  constexpr DWORD kReadable =
      PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE;
  if (!rect || ::VirtualQuery(rect, &region, sizeof region) != sizeof region || region.State != MEM_COMMIT ||
      (region.Protect & PAGE_GUARD) || !(region.Protect & kReadable))
    return nullptr;
  // The whole rectangle within the region.
  const auto end = reinterpret_cast<const char*>(region.BaseAddress) + region.RegionSize;
  return reinterpret_cast<const char*>(rect + 1) <= end ? rect : nullptr;
}

BOOL PreTranslateThroughTree(MSG* msg) {
  for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
    Wnd* wnd = Wnd::FromHandle(hwnd);
    if (wnd && wnd->PreTranslateMessage(msg)) return TRUE;
    // GetParent of a top-level window is its owner: stop at the top.
    if (!(::GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) break;
  }
  return FALSE;
}

}  // namespace fw
