#include "sheet/Kestrin_Macro.h"

#include "makerlibs/include/maker_contract.h"
#include "res/identity.h"
#include "res/resource.h"

namespace sheet {
namespace {
// By macro 1..3: the radio that chooses it, its edit, its "APP" button.
const int kRadioIds[settings::kMacroCount] = {IDC_MACRO1, IDC_MACRO2, IDC_MACRO3};
const int kTextIds[settings::kMacroCount] = {IDC_MACRO1_TEXT, IDC_MACRO2_TEXT, IDC_MACRO3_TEXT};
const int kStoreIds[settings::kMacroCount] = {IDC_MACRO1_STORE, IDC_MACRO2_STORE, IDC_MACRO3_STORE};

int IndexOf(const int (&ids)[settings::kMacroCount], WORD id) {
  for (int i = 0; i < settings::kMacroCount; ++i)
    if (ids[i] == id) return i;
  return -1;
}
}  // namespace

Kestrin_Macro::Kestrin_Macro(settings::SettingsModel& settings, std::function<void(HWND)> setKeyTarget)
    : fw::PropertyPage(IDD_MACRO), m_settings(settings), m_setKeyTarget(std::move(setKeyTarget)) {}

BOOL Kestrin_Macro::OnInitDialog() {
  fw::PropertyPage::OnInitDialog();
  m_capture.Stop();
  if (m_setKeyTarget) m_setKeyTarget(m_hWnd);
  for (int m = 0; m < settings::kMacroCount; ++m) {
    m_texts[m] = MacroLine(m_settings.Macro(m));
    // Nothing to store until a macro is chosen: "APP" stores only the macro being recorded.
    ::EnableWindow(GetDlgItem(kStoreIds[m]), FALSE);
  }
  ShowTexts();
  // Outside programs may listen for the page opening.
  if (HWND dispatch = ::FindWindowA(nullptr, res::kDispatchTitle)) ::PostMessageA(dispatch, res::WM_MACROPAGE_OPEN, 0, 0);
  return TRUE;
}

void Kestrin_Macro::OnDestroy() {
  // The hook must not keep reporting to a window that is gone: the system may
  // hand its handle to another window.
  if (m_setKeyTarget) m_setKeyTarget(nullptr);
  Default();
}

BOOL Kestrin_Macro::OnCommand(WORD id, WORD code, HWND) {
  if (code != BN_CLICKED) return FALSE;
  if (int m = IndexOf(kRadioIds, id); m >= 0) {
    OnSelectMacro(m + 1);
    return TRUE;
  }
  if (int m = IndexOf(kStoreIds, id); m >= 0) {
    OnStoreMacro(m + 1);
    return TRUE;
  }
  return FALSE;
}

void Kestrin_Macro::OnSelectMacro(int macro) {
  m_capture.Start(macro);
  for (int m = 0; m < settings::kMacroCount; ++m) ::EnableWindow(GetDlgItem(kStoreIds[m]), m == macro - 1);
  m_texts[macro - 1].clear();
  ShowTexts();
}

void Kestrin_Macro::OnStoreMacro(int macro) {
  if (m_capture.Selected() != macro) return;
  m_capture.Stop();
  m_settings.SetMacro(macro - 1, m_capture.Record());
  m_settings.StoreMacro(macro - 1);
  SetModified(TRUE);
}

BOOL Kestrin_Macro::PreTranslateMessage(MSG* msg) {
  // Keys come from the hook, not from the page's own input: Enter, Esc and the
  // rest keep their meaning in the sheet while a macro is recorded.
  if (msg->message == makerlibs::WM_HOOK_KEY && msg->hwnd == m_hWnd &&
      m_capture.OnKey(static_cast<std::uint32_t>(msg->wParam))) {
    m_texts[m_capture.Selected() - 1] = m_capture.Line();
    ShowTexts();
  }
  return fw::PropertyPage::PreTranslateMessage(msg);
}

void Kestrin_Macro::ShowTexts() {
  for (int m = 0; m < settings::kMacroCount; ++m) ::SetDlgItemTextA(m_hWnd, kTextIds[m], m_texts[m].c_str());
}

}  // namespace sheet
