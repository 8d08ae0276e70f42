#include "launcher/Kestrin_ScrMenuSetting.h"

#include <commctrl.h>
#include <commdlg.h>

#include "framework/file_dialog_win.h"
#include "framework/wide_text_win.h"
#include "framework/win_app_win.h"
#include "launcher/launcher_icons_win.h"
#include "launcher/shortcut_launch_win.h"
#include "res/resource.h"

namespace launcher {
namespace {
constexpr const char* kNoRowMessage = "Please select an option from the dialogue box at the right side! ";
}  // namespace

Kestrin_ScrMenuSetting::Kestrin_ScrMenuSetting(settings::SettingsModel& settings)
    : fw::PropertyPage(IDD_LAUNCHER_PAGE), m_settings(settings) {}

void Kestrin_ScrMenuSetting::OnDpiChanged(UINT dpi, const RECT*) { m_popupPicture.Reload(dpi); }

BOOL Kestrin_ScrMenuSetting::OnInitDialog() {
  fw::PropertyPage::OnInitDialog();
  m_popupPicture.Show(m_hWnd, IDB_LAUNCHER_PREVIEW);
  m_list = GetDlgItem(IDC_SHORTCUT_LIST);
  RECT client{};
  ::GetClientRect(m_list, &client);
  const int seventh = (client.right - client.left) / 7;
  ::SendMessageA(m_list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
  LVCOLUMNA column{};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
  column.fmt = LVCFMT_CENTER;
  column.cx = 5 * seventh;
  column.pszText = const_cast<char*>("Program Path");
  ::SendMessageA(m_list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  column.cx = seventh;
  column.pszText = const_cast<char*>("No");
  ::SendMessageA(m_list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));

  // Each opening starts from what is stored: edits left with Cancel are gone.
  m_settings.LoadShortcuts();
  m_table = m_settings.Shortcuts();
  FillList();
  m_curRow = -1;
  m_preview.Reset();
  return TRUE;
}

void Kestrin_ScrMenuSetting::OnDestroy() {
  ::SendDlgItemMessageA(m_hWnd, IDC_SHORTCUT_PREVIEW, STM_SETICON, 0, 0);
  m_preview.Reset();
  m_list = nullptr;
  Default();
}

void Kestrin_ScrMenuSetting::FillList() {
  ::SendMessageA(m_list, LVM_DELETEALLITEMS, 0, 0);
  for (int row = 0; row < kShortcutSlotCount; ++row) {
    const std::string label = SlotLabel(row + 1);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(label.c_str());
    ::SendMessageA(m_list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    SetPathText(row, m_table[static_cast<std::size_t>(row)]);
  }
  ::SendMessageA(m_list, WM_SETREDRAW, TRUE, 0);
}

void Kestrin_ScrMenuSetting::SetPathText(int row, const std::string& text) {
  // The table holds UTF-8: a path outside the code page shows as it is.
  std::wstring wide = fw::Wide(text);
  LVITEMW item{};
  item.iSubItem = 1;
  item.pszText = &wide[0];
  ::SendMessageW(m_list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void Kestrin_ScrMenuSetting::Preview(const IconChoice& choice) {
  fw::OwnedIcon next;
  LoadIconChoice(choice, next);
  ::SendDlgItemMessageA(m_hWnd, IDC_SHORTCUT_PREVIEW, STM_SETICON, reinterpret_cast<WPARAM>(next.get()), 0);
  // The control shows the new icon now: the old one goes with `next`.
  m_preview.Swap(next);
}

LRESULT Kestrin_ScrMenuSetting::OnControlNotify(NMHDR* header) {
  if (header->idFrom == IDC_SHORTCUT_LIST) {
    // The row follows the list's selection, however it moved (mouse or keyboard).
    if (header->code == NM_CLICK) {
      OnSelectionChanged(true);
      return 0;
    }
    if (header->code == LVN_ITEMCHANGED) {
      const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
      if ((change->uChanged & LVIF_STATE) && ((change->uOldState ^ change->uNewState) & LVIS_SELECTED))
        OnSelectionChanged(false);
      return 0;
    }
  }
  return fw::PropertyPage::OnControlNotify(header);
}

void Kestrin_ScrMenuSetting::OnSelectionChanged(bool always) {
  const int row = m_list ? static_cast<int>(::SendMessageA(m_list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                                           MAKELPARAM(LVNI_SELECTED, 0)))
                         : -1;
  if (row == m_curRow && !always) return;
  m_curRow = row;
  Preview(row >= 0 ? PreviewIconFor(m_table[static_cast<std::size_t>(row)], SystemSurroundings()) : IconChoice{});
}

BOOL Kestrin_ScrMenuSetting::OnCommand(WORD id, WORD code, HWND) {
  if (code != BN_CLICKED) return FALSE;
  switch (id) {
    case IDC_SHORTCUT_ASSIGN: OnAssign(); return TRUE;
    case IDC_SHORTCUT_CLEAR: OnClear(); return TRUE;
    case IDC_SHORTCUT_DEFAULTS: OnDefault(); return TRUE;
    default: return FALSE;
  }
}

bool Kestrin_ScrMenuSetting::HaveRow() {
  if (m_curRow >= 0) return true;
  char title[64] = {};
  ::LoadStringA(fw::ResourceInstance(), IDS_APP_TITLE, title, sizeof title);
  ::MessageBoxA(m_hWnd, kNoRowMessage, title, MB_OK);
  return false;
}

void Kestrin_ScrMenuSetting::OnAssign() {
  if (!HaveRow()) return;
  const int row = m_curRow;
  // Wide, so that a path outside the code page (Japanese, Greek) can be chosen.
  const std::wstring path = fw::ChooseProgramFile(
      m_hWnd, {L"Exe Files(*.exe)\0*.exe\0", L"*.exe", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT});
  if (path.empty()) return;
  const std::string chosen = fw::Utf8(path);
  m_table[static_cast<std::size_t>(row)] = chosen;
  SetPathText(row, chosen);
  Preview(PreviewIconFor(chosen, SystemSurroundings()));
  SetModified(TRUE);
}

void Kestrin_ScrMenuSetting::OnClear() {
  if (!HaveRow()) return;
  SetPathText(m_curRow, "");
  m_table[static_cast<std::size_t>(m_curRow)] = kBlankMarker;
  SetModified(TRUE);
}

void Kestrin_ScrMenuSetting::OnDefault() {
  m_table = DefaultTable();
  FillList();
  // The rebuilt list has no selection, so neither has the page.
  OnSelectionChanged(false);
  SetModified(TRUE);
}

BOOL Kestrin_ScrMenuSetting::OnApply() {
  // The sheet's commit step stores the table once every page has applied.
  m_settings.SetShortcuts(m_table);
  return fw::PropertyPage::OnApply();
}

}  // namespace launcher
