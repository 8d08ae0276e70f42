#include "launcher/CHotButtonDlg.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "framework/art_scale.h"
#include "framework/art_win.h"
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

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, RECT*, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (::GetMonitorInfoA(monitor, &info)) {
    const RECT& a = info.rcMonitor;
    const RECT& w = info.rcWork;
    reinterpret_cast<std::vector<Monitor>*>(list)->push_back(
        Monitor{Rect{a.left, a.top, a.right, a.bottom}, Rect{w.left, w.top, w.right, w.bottom}});
  }
  return TRUE;
}

// The monitors as they are now: one may have gone since the popup's position was stored.
std::vector<Monitor> DesktopMonitors() {
  std::vector<Monitor> monitors;
  ::EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  if (monitors.empty()) {
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const Rect area{work.left, work.top, work.right, work.bottom};
    monitors.push_back(Monitor{area, area});
  }
  return monitors;
}

// The window size for a client area, at the DPI (Windows 10 1607 on), else at the system's.
SIZE WindowSizeFor(HWND hwnd, int clientWidth, int clientHeight, UINT dpi) {
  RECT rect{0, 0, clientWidth, clientHeight};
  const auto style = static_cast<DWORD>(::GetWindowLongA(hwnd, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(::GetWindowLongA(hwnd, GWL_EXSTYLE));
  using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = reinterpret_cast<AdjustForDpiFn>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "AdjustWindowRectExForDpi")));
  if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, exStyle, dpi)) ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}
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
  for (int slot = 1; slot <= kShortcutSlotCount; ++slot)
    m_texts[static_cast<std::size_t>(slot - 1)] =
        m_storage.ReadRegString(settings::kSectionShortcut, settings::ShortcutValueName(slot));
  m_dpi = fw::WindowDpi(m_hWnd);
  LoadIcons();
  const SIZE size = LayOut();
  ::SetWindowPos(m_hWnd, HWND_TOPMOST, x, y, size.cx, size.cy, SWP_FRAMECHANGED);
  AddTooltips();
  ShowPage(1);
  return TRUE;
}

void CHotButtonDlg::LoadIcons() {
  const int px = fw::ScaleToDpi(32, static_cast<int>(m_dpi));
  for (int slot = 1; slot <= kShortcutSlotCount; ++slot) {
    fw::OwnedIcon icon;
    const IconChoice choice = PopupIconFor(slot, m_texts[static_cast<std::size_t>(slot - 1)], SystemSurroundings());
    if (choice.kind == IconChoice::Kind::Resource)
      fw::LoadIconSized(fw::ResourceInstance(), choice.resourceId, px, icon);
    else
      LoadIconChoice(choice, icon);
    HWND control = GetDlgItem(ControlOfSlot(slot));
    // The icon at its own size in the middle of its place: without these
    // styles the control would stretch it to the place (Wine) or shrink the
    // place to it, its frame cutting into it.
    ::SetWindowLongA(control, GWL_STYLE, ::GetWindowLongA(control, GWL_STYLE) | SS_CENTERIMAGE | SS_REALSIZECONTROL);
    ::SendMessageA(control, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
    // The icon shown until now goes only once the control no longer shows it.
    m_icons[slot - 1].Swap(icon);
  }
}

SIZE CHotButtonDlg::LayOut() {
  const int dpi = static_cast<int>(m_dpi);
  // The places' frame, as thick as the system draws it (Wine thickens it with the scale).
  RECT window{}, client{};
  ::GetWindowRect(GetDlgItem(IDC_POPUP_FIRST_SLOT), &window);
  ::GetClientRect(GetDlgItem(IDC_POPUP_FIRST_SLOT), &client);
  const int border = std::max(0, static_cast<int>((window.right - window.left) - client.right) / 2);
  const IconGrid grid =
      LayoutIconGrid(fw::ScaleToDpi(32, dpi), border, fw::ScaleToDpi(1, dpi), fw::ScaleToDpi(5, dpi));
  for (int slot = 1; slot <= kShortcutSlotCount; ++slot) {
    const int position = (slot - 1) % kSlotsPerPage;
    ::SetWindowPos(GetDlgItem(ControlOfSlot(slot)), nullptr, grid.left[position % 3], grid.top[position / 3], grid.place,
                   grid.place, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return WindowSizeFor(m_hWnd, grid.clientWidth, grid.clientHeight, m_dpi);
}

void CHotButtonDlg::OnDpiChanged(UINT dpi, const RECT* suggested) {
  m_dpi = dpi;
  LoadIcons();
  const SIZE size = LayOut();
  RECT rect{};
  ::GetWindowRect(m_hWnd, &rect);
  // The suggested size is the old one scaled; the grid's is exact.
  if (suggested && suggested->right > suggested->left) rect = *suggested;
  ::SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  // Every place anew: Wine keeps the old pixels of a place that grew around its new icon.
  ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
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
    const Point p = ClampToNearestWorkArea(pos->x, pos->y, cx, cy, DesktopMonitors());
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
