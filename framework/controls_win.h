// Thin wrappers over the common controls the pages use. They hold a borrowed
// HWND (the dialog owns the control) and only translate calls into messages.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace fw {

class Control {
 public:
  void Attach(HWND dialog, int id) { m_hWnd = ::GetDlgItem(dialog, id); }
  HWND GetSafeHwnd() const { return m_hWnd; }
  void EnableWindow(BOOL enable) const { ::EnableWindow(m_hWnd, enable); }
  void Invalidate(BOOL erase) const { ::InvalidateRect(m_hWnd, nullptr, erase); }
  RECT GetWindowRect() const {
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
  }

 protected:
  LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return ::SendMessageA(m_hWnd, msg, wp, lp); }
  HWND m_hWnd = nullptr;
};

class ComboBox : public Control {
 public:
  int AddString(const char* text) const { return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
  void ResetContent() const { Send(CB_RESETCONTENT); }
  // -1 clears the selection.
  int SetCurSel(int index) const { return static_cast<int>(Send(CB_SETCURSEL, static_cast<WPARAM>(index))); }
  int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
  int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
};

class SliderCtrl : public Control {
 public:
  void SetRange(int low, int high, BOOL redraw) const {
    Send(TBM_SETRANGE, static_cast<WPARAM>(redraw), MAKELPARAM(low, high));
  }
  void SetPos(int pos, BOOL redraw = TRUE) const { Send(TBM_SETPOS, static_cast<WPARAM>(redraw), pos); }
  int GetPos() const { return static_cast<int>(Send(TBM_GETPOS)); }
};

class AnimateCtrl : public Control {
 public:
  BOOL Open(HINSTANCE instance, UINT resourceId) const {
    return static_cast<BOOL>(Send(ACM_OPENA, reinterpret_cast<WPARAM>(instance), reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(resourceId))));
  }
  BOOL Play(UINT from, UINT to, UINT repeat) const {
    return static_cast<BOOL>(Send(ACM_PLAY, static_cast<WPARAM>(repeat), MAKELPARAM(from, to)));
  }
  BOOL Stop() const { return static_cast<BOOL>(Send(ACM_STOP)); }
};

}  // namespace fw
