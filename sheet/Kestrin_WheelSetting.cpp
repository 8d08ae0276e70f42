#include "sheet/Kestrin_WheelSetting.h"

#include <string>

#include "res/resource.h"
#include "sheet/page_rules.h"

namespace sheet {
namespace {
// What the typed-text handler reads of the edit field.
constexpr int kTypedTextMax = 9;
}  // namespace

Kestrin_WheelSetting::Kestrin_WheelSetting(SystemParameters& system)
    : fw::PropertyPage(IDD_WHEEL), m_system(system) {}

BOOL Kestrin_WheelSetting::OnInitDialog() {
  fw::PropertyPage::OnInitDialog();
  m_lines.Attach(m_hWnd, IDC_WHEEL_LINES);
  // Resource compilers differ in whether they keep a combo box's initial
  // items (DLGINIT): the page fills its own list.
  m_lines.ResetContent();
  for (std::int32_t lines : kWheelLineChoices) m_lines.AddString(std::to_string(lines).c_str());

  m_systemLines = m_system.WheelScrollLines();
  const WheelView view = WheelViewOf(m_systemLines);
  m_lines.SetCurSel(view.listIndex);
  // A count the list does not offer stands in the edit field as it is. The
  // combo box reports that text as typed: it is not the user's.
  m_showingSystem = true;
  if (!view.pageScroll && view.listIndex < 0) ::SetWindowTextA(m_lines.GetSafeHwnd(), view.editText.c_str());
  m_showingSystem = false;
  // Nothing is pending: an OK after merely looking writes nothing.
  m_nWheelValue = 0;
  ShowLinesMode(!view.pageScroll);
  return TRUE;
}

void Kestrin_WheelSetting::ShowLinesMode(bool lines) {
  ::CheckRadioButton(m_hWnd, IDC_WHEEL_LINES_RADIO, IDC_WHEEL_PAGE_RADIO,
                     lines ? IDC_WHEEL_LINES_RADIO : IDC_WHEEL_PAGE_RADIO);
  m_lines.EnableWindow(lines);
}

BOOL Kestrin_WheelSetting::OnCommand(WORD id, WORD code, HWND) {
  if (id == IDC_WHEEL_LINES && code == CBN_SELCHANGE) {
    OnListChoice();
    return TRUE;
  }
  if (id == IDC_WHEEL_LINES && code == CBN_EDITCHANGE) {
    if (!m_showingSystem) OnTypedChoice();
    return TRUE;
  }
  if (id == IDC_WHEEL_LINES_RADIO && code == BN_CLICKED) {
    OnLinesRadio();
    return TRUE;
  }
  if (id == IDC_WHEEL_PAGE_RADIO && code == BN_CLICKED) {
    OnPageRadio();
    return TRUE;
  }
  return FALSE;
}

void Kestrin_WheelSetting::OnListChoice() {
  const std::int32_t lines = WheelLinesOfListIndex(m_lines.GetCurSel());
  SetModified(TRUE);
  if (lines == 0) return;
  m_nWheelValue = lines;
  SetSystemLines();
}

void Kestrin_WheelSetting::SetSystemLines() {
  if (!WheelWriteNeeded(m_nWheelValue, m_systemLines)) return;
  m_systemLines = static_cast<std::uint32_t>(m_nWheelValue);
  m_system.SetWheelScrollLines(m_systemLines);
}

void Kestrin_WheelSetting::OnTypedChoice() {
  char text[kTypedTextMax + 1] = {};
  ::GetWindowTextA(m_lines.GetSafeHwnd(), text, sizeof text);
  const std::int32_t lines = WheelLinesOfTypedText(text);
  if (lines != 0) {
    m_lines.SetCurSel(WheelListIndexOfLines(static_cast<std::uint32_t>(lines)));
    m_nWheelValue = lines;
  }
  SetModified(TRUE);
}

void Kestrin_WheelSetting::OnLinesRadio() {
  // Apply writes what the list shows: its choice; a count only the edit field
  // shows, the system's own (nothing to write); or, back from page scrolling
  // with nothing chosen, the default count.
  if (m_lines.GetCurSel() < 0 && m_systemLines == kWheelPageScroll)
    m_lines.SetCurSel(WheelListIndexOfLines(kDefaultWheelLines));
  m_nWheelValue = WheelLinesOfListIndex(m_lines.GetCurSel());
  m_lines.EnableWindow(TRUE);
  SetModified(TRUE);
}

void Kestrin_WheelSetting::OnPageRadio() {
  m_nWheelValue = -1;
  m_lines.EnableWindow(FALSE);
  SetModified(TRUE);
}

BOOL Kestrin_WheelSetting::OnApply() {
  SetSystemLines();
  return fw::PropertyPage::OnApply();
}

}  // namespace sheet
