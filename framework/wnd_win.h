// The base of every window the program creates: it owns its HWND, finds its
// object again from the handle, and turns each message into one typed handler.
#pragma once

#include <windows.h>

#include <type_traits>

namespace fw {

class Wnd {
 public:
  Wnd() = default;
  virtual ~Wnd();
  Wnd(const Wnd&) = delete;
  Wnd& operator=(const Wnd&) = delete;

  HWND GetSafeHwnd() const { return m_hWnd; }
  // The object of one of our windows, or null for any other window.
  static Wnd* FromHandle(HWND hwnd);

  virtual BOOL DestroyWindow();
  // Sees a queued message before it is dispatched; TRUE when it was consumed.
  virtual BOOL PreTranslateMessage(MSG* msg);

  BOOL ShowWindow(int cmd) const { return ::ShowWindow(m_hWnd, cmd); }
  BOOL PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::PostMessageA(m_hWnd, msg, wp, lp); }
  LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::SendMessageA(m_hWnd, msg, wp, lp); }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

 protected:
  // One switch: cracks the parameters and calls the handler below.
  virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
  // The processing a message gets when no handler takes it.
  virtual LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);
  // Default processing of the message being handled right now.
  LRESULT Default();

  // Handlers; each one's base calls Default().
  virtual int OnCreate(CREATESTRUCTA* cs);
  virtual void OnDestroy();
  virtual void OnClose();
  virtual BOOL OnCommand(WORD id, WORD code, HWND control);  // FALSE: not handled
  virtual LRESULT OnNotify(NMHDR* header);
  virtual void OnSysCommand(UINT command, LPARAM lp);
  virtual void OnTimer(UINT_PTR id);
  virtual void OnEndSession(BOOL ending);
  virtual void OnLButtonDblClk(UINT flags, POINT point);
  virtual void OnWindowPosChanging(WINDOWPOS* pos);
  // The window is now on a monitor of another scale (or the scale changed):
  // `dpi` is the new one, `suggested` the rectangle Windows proposes for it.
  virtual void OnDpiChanged(UINT dpi, const RECT* suggested);
  // A trackbar or horizontal scroll bar moved: code is TB_*/SB_*, position
  // only meaningful for the thumb codes, control null for the window's own bar.
  virtual void OnHScroll(UINT code, UINT position, HWND control);
  // The system goes to sleep or has woken (event: PBT_*). Top-level windows only.
  virtual void OnPowerBroadcast(WPARAM event);
  // The session was locked, unlocked, connected or disconnected (event:
  // WTS_*), for a window registered with WTSRegisterSessionNotification.
  virtual void OnSessionChange(WPARAM event);
  // Raw input, for a window registered for it; the default processing frees it.
  virtual void OnRawInput(WPARAM code);
  // Messages from WM_USER up: the program's own numbers.
  virtual LRESULT OnUserMessage(UINT msg, WPARAM wp, LPARAM lp);
  // Messages numbered by RegisterWindowMessage (0xC000 up), such as the shell's
  // "TaskbarCreated": their numbers are known only at run time.
  virtual LRESULT OnRegisteredMessage(UINT msg, WPARAM wp, LPARAM lp);
  // Runs after the window is gone (WM_NCDESTROY); frames delete themselves here.
  virtual void PostNcDestroy();

  // Where a new window's first message carries its object.
  enum class Binding {
    Frame,   // WM_NCCREATE, CREATESTRUCT::lpCreateParams
    Dialog,  // WM_INITDIALOG, lParam
    Page,    // WM_INITDIALOG, PROPSHEETPAGE::lParam
  };
  // The one window procedure of our windows, frames, dialogs and property
  // pages alike: it binds the object on the window's first message and hands
  // every message to the object's ProcessMessage.
  template <Binding binding>
  static std::conditional_t<binding == Binding::Frame, LRESULT, INT_PTR> CALLBACK Procedure(HWND hwnd, UINT msg,
                                                                                          WPARAM wp, LPARAM lp);

  // What the window procedure returns for a message: a window's result; a
  // dialog answers differently (Dialog).
  virtual LRESULT ProcessMessage(UINT msg, WPARAM wp, LPARAM lp);
  // Runs one message through WindowProc with its own default-processing record.
  LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp, bool* defaulted);

  HWND m_hWnd = nullptr;

 private:
  void Attach(HWND hwnd);
  void Detach();

  struct Current {
    UINT msg;
    WPARAM wp;
    LPARAM lp;
    bool defaulted;
  };
  Current* m_current = nullptr;
  int m_dispatchDepth = 0;
  bool m_windowGone = false;
};

// The rectangle a WM_DPICHANGED suggests, or null when lParam points nowhere
// readable: the message may come from another program, whose pointer means
// nothing here.
const RECT* SuggestedRect(LPARAM lp);

// Runs the pre-translation of a queued message through our windows, from the
// window it is for up to its top-level window.
BOOL PreTranslateThroughTree(MSG* msg);

}  // namespace fw
