#include "launcher/CHotButtonDlg.h"

#include <commctrl.h>

#include <utility>

#include "framework/wide_text_win.h"
#include "framework/win_app_win.h"
#include "launcher/launcher_icons_win.h"
#include "launcher/shortcut_launch_win.h"
#include "res/identity.h"
#include "res/resource.h"
#include "settings/schema.h"

namespace launcher {
namespace {
// Slot k is control 1094 + k: 1095..1103 the predefined page, 1104..1112 the user's.
int ControlOfSlot(int slot) { return IDC_POPUP_FIRST_SLOT - 1 + slot; }
}  // namespace

CHotButtonDlg::CHotButtonDlg(settings::SettingsStorage& storage, WheelPager& pager)
    : fw::Dialog(IDD_LAUNCHER_POPUP), m_storage(storage), m_pager(pager) {}

BOOL CHotButtonDlg::OnInitDialog() {
  fw::Dialog::OnInitDialog();
  // No stored position reads as 0, 0: the clamp puts the popup at the work area's top left.
  const int x = m_storage.ReadRegDword(settings::kSectionMenuPos, settings::kValueMenuX).value_or(0);
  const int y = m_storage.ReadRegDword(settings::kSectionMenuPos, settings::kValueMenuY).value_or(0);
  // A small caption with only the close box. The frame is cached: without
  // SWP_FRAMECHANGED the strip the taller caption had stays unpainted.
  ::SetWindowLongA(m_hWnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
  ::SetWindowPos(m_hWnd, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_FRAMECHANGED);

  for (int slot = 1; slot <= kShortcutSlotCount; ++slot) {
    std::string& text = m_texts[static_cast<std::size_t>(slot - 1)];
    text = m_storage.ReadRegString(settings::kSectionShortcut, settings::ShortcutValueName(slot));
    fw::OwnedIcon& icon = m_icons[slot - 1];
    LoadIconChoice(PopupIconFor(slot, text, SystemSurroundings()), icon);
    ::SendDlgItemMessageA(m_hWnd, ControlOfSlot(slot), STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
  }
  AddTooltips();
  ShowPage(1);
  return TRUE;
}

void CHotButtonDlg::AddTooltips() {
  // Owned by the popup, so it goes with it; the tool texts are copied in.
  HWND tips = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                                0, 0, m_hWnd, nullptr, fw::ResourceInstance(), nullptr);
  if (!tips) return;
  for (int slot = 1; slot <= kShortcutSlotCount; ++slot) {
    const std::string& text = m_texts[static_cast<std::size_t>(slot - 1)];
    if (text.empty() || text == kBlankMarker) continue;
    std::wstring tip = fw::Wide(text);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_hWnd;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(ControlOfSlot(slot)));
    tool.lpszText = &tip[0];
    ::SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void CHotButtonDlg::ShowPage(int page) {
  if (page != 0 && page != 1) return;
  const int shownFirst = page == 1 ? 1 : kSlotsPerPage + 1;
  const int hiddenFirst = page == 1 ? kSlotsPerPage + 1 : 1;
  for (int i = 0; i < kSlotsPerPage; ++i) ::ShowWindow(GetDlgItem(ControlOfSlot(hiddenFirst + i)), SW_HIDE);
  for (int i = 0; i < kSlotsPerPage; ++i) ::ShowWindow(GetDlgItem(ControlOfSlot(shownFirst + i)), SW_SHOW);
}

BOOL CHotButtonDlg::PreTranslateMessage(MSG* msg) {
  // Each whole notch, either direction, turns the page; the message goes on as usual.
  if (msg->message == WM_MOUSEWHEEL && m_hWnd) {
    for (int n = m_notches.Add(GET_WHEEL_DELTA_WPARAM(msg->wParam)); n > 0; --n) ShowPage(m_pager.Next());
  }
  return fw::Dialog::PreTranslateMessage(msg);
}

BOOL CHotButtonDlg::OnCommand(WORD id, WORD code, HWND control) {
  const int slot = id - (IDC_POPUP_FIRST_SLOT - 1);
  if (code == STN_CLICKED && slot >= 1 && slot <= kShortcutSlotCount) {
    LaunchShortcut(slot <= kSlotsPerPage ? 1 : 2, (slot - 1) % kSlotsPerPage + 1);
    return TRUE;
  }
  return fw::Dialog::OnCommand(id, code, control);
}

void CHotButtonDlg::LaunchShortcut(int page, int index) {
  // Started once the popup is gone (PostNcDestroy): under Wine the shell's
  // work would otherwise compete with the popup's own closing.
  m_launch = DecideLaunch(page, index, m_texts, SystemSurroundings());
  OnOK();
}

void CHotButtonDlg::OnWindowPosChanging(WINDOWPOS* pos) {
  if (!(pos->flags & SWP_NOMOVE)) {
    int cx = pos->cx, cy = pos->cy;
    if (pos->flags & SWP_NOSIZE) {
      // The record's size is meaningless then (Wine leaves it 0 x 0): take the window's own.
      RECT rect{};
      ::GetWindowRect(m_hWnd, &rect);
      cx = rect.right - rect.left;
      cy = rect.bottom - rect.top;
    }
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const Point p = ClampToWorkArea(pos->x, pos->y, cx, cy, Rect{work.left, work.top, work.right, work.bottom});
    pos->x = p.x;
    pos->y = p.y;
  }
  Default();
}

BOOL CHotButtonDlg::DestroyWindow() {
  // Every ending (a launch, Escape, Enter, the close box) stores where the popup stood.
  if (m_hWnd) SaveMenuPos();
  return fw::Dialog::DestroyWindow();
}

void CHotButtonDlg::SaveMenuPos() {
  RECT rect{};
  ::GetWindowRect(m_hWnd, &rect);
  m_storage.WriteProfileInt(settings::kSectionMenuPos, settings::kValueMenuX, rect.left);
  m_storage.WriteProfileInt(settings::kSectionMenuPos, settings::kValueMenuY, rect.top);
}

void CHotButtonDlg::PostNcDestroy() {
  StartLaunch(std::exchange(m_launch, Launch{}));
  // The controls that showed them are gone: the icons taken from files go too.
  for (fw::OwnedIcon& icon : m_icons) icon.Reset();
}

void OpenHotButton(settings::SettingsStorage& storage, WheelPager& pager) {
  // Also what keeps the release of the opening button from opening a second one.
  if (::FindWindowA(nullptr, res::kPopupTitle)) return;
  CHotButtonDlg popup(storage, pager);
  popup.DoModal(nullptr);
}

}  // namespace launcher
