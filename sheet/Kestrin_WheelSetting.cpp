#include "sheet/Kestrin_WheelSetting.h"

#include <string>

#include "res/resource.h"

namespace sheet {
namespace {
// What the typed-text handler reads of the edit field.
constexpr int kTypedTextMax = 9;
}  // namespace

Kestrin_WheelSetting::Kestrin_WheelSetting(SystemParameters& system)
    : fw::PropertyPage(IDD_WHEEL), m_system(system) {}

void Kestrin_WheelSetting::OnDpiChanged(UINT dpi, const RECT*) { m_wheelPicture.Reload(dpi); }

BOOL Kestrin_WheelSetting::OnInitDialog() {
  fw::PropertyPage::OnInitDialog();
  m_wheelPicture.Show(m_hWnd, IDB_WHEEL);
  m_lines.Attach(m_hWnd, IDC_WHEEL_LINES);
  // Resource compilers differ in whether they keep a combo box's initial
  // items (DLGINIT): the page fills its own list.
  m_lines.ResetContent();
  for (std::int32_t lines : kWheelLineChoices) m_lines.AddString(std::to_string(lines).c_str());

  m_page.Open(m_system.WheelScrollLines());
  const WheelView& view = m_page.View();
  m_lines.SetCurSel(view.listIndex);
  // A count the list does not offer stands in the edit field as it is. The
  // combo box reports that text as typed: it is not the user's.
  m_showingSystem = true;
  if (view.listIndex < 0) ::SetWindowTextA(m_lines.GetSafeHwnd(), view.editText.c_str());
  m_showingSystem = false;
  ::CheckRadioButton(m_hWnd, IDC_WHEEL_LINES_RADIO, IDC_WHEEL_PAGE_RADIO,
                     view.pageScroll ? IDC_WHEEL_PAGE_RADIO : IDC_WHEEL_LINES_RADIO);
  m_lines.EnableWindow(!view.pageScroll);
  return TRUE;
}

BOOL Kestrin_WheelSetting::OnCommand(WORD id, WORD code, HWND) {
  if (id == IDC_WHEEL_LINES && code == CBN_SELCHANGE) {
    if (m_page.ChooseFromList(m_lines.GetCurSel())) m_system.SetWheelScrollLines(m_page.SystemLines());
  } else if (id == IDC_WHEEL_LINES && code == CBN_EDITCHANGE) {
    if (m_showingSystem) return TRUE;
    char text[kTypedTextMax + 1] = {};
    ::GetWindowTextA(m_lines.GetSafeHwnd(), text, sizeof text);
    m_page.Type(text);
    if (m_page.View().listIndex >= 0 && m_page.View().listIndex != m_lines.GetCurSel())
      m_lines.SetCurSel(m_page.View().listIndex);
  } else if (id == IDC_WHEEL_LINES_RADIO && code == BN_CLICKED) {
    m_page.ChooseLines();
    if (m_page.View().listIndex >= 0) m_lines.SetCurSel(m_page.View().listIndex);
    m_lines.EnableWindow(TRUE);
  } else if (id == IDC_WHEEL_PAGE_RADIO && code == BN_CLICKED) {
    m_page.ChoosePage();
    m_lines.EnableWindow(FALSE);
  } else {
    return FALSE;
  }
  SetModified(TRUE);
  return TRUE;
}

BOOL Kestrin_WheelSetting::OnApply() {
  if (m_page.Apply()) m_system.SetWheelScrollLines(m_page.SystemLines());
  return fw::PropertyPage::OnApply();
}

}  // namespace sheet
