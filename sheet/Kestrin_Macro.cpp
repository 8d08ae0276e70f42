#include "sheet/Kestrin_Macro.h"

#include "makerlibs/include/maker_contract.h"
#include "res/identity.h"
#include "res/resource.h"
#include "sheet/key_layout_win.h"

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

// Called as the thread takes a key message from its queue, whoever has the
// focus (the sheet's own buttons and tabs included): nonzero drops the key.
LRESULT CALLBACK KeepKey(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION || code == HC_NOREMOVE) return 1;
  return ::CallNextHookEx(nullptr, code, wp, lp);
}
}  // namespace

Kestrin_Macro::Kestrin_Macro(settings::SettingsModel& settings, std::function<void(HWND)> setKeyTarget)
    : fw::PropertyPage(IDD_MACRO), m_settings(settings), m_setKeyTarget(std::move(setKeyTarget)) {}

BOOL Kestrin_Macro::OnInitDialog() {
  fw::PropertyPage::OnInitDialog();
  if (m_setKeyTarget) m_setKeyTarget(m_hWnd);
  StoredMacros stored{};
  for (int m = 0; m < settings::kMacroCount; ++m) stored[static_cast<std::size_t>(m)] = m_settings.Macro(m);
  m_recorder.Open(stored, ActiveLayoutKeyNamer());
  Show();
  // Outside programs may listen for the page opening.
  if (HWND dispatch = ::FindWindowA(nullptr, res::kDispatchTitle)) ::PostMessageA(dispatch, res::WM_MACROPAGE_OPEN, 0, 0);
  return TRUE;
}

void Kestrin_Macro::OnDestroy() {
  EndRecording();
  // The hook must not keep reporting to a window that is gone: the system may
  // hand its handle to another window.
  if (m_setKeyTarget) m_setKeyTarget(nullptr);
  Default();
}

LRESULT Kestrin_Macro::OnNotify(NMHDR* header) {
  // Another tab: what is being recorded is dropped, and keys are the sheet's again.
  if (header->code == PSN_KILLACTIVE && header->hwndFrom == ::GetParent(m_hWnd)) EndRecording();
  return fw::PropertyPage::OnNotify(header);
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
  m_recorder.Choose(macro);
  Show();
}

void Kestrin_Macro::OnStoreMacro(int macro) {
  MacroRecord record{};
  if (!m_recorder.Store(macro, &record)) return;
  m_settings.SetMacro(macro - 1, record);
  m_settings.StoreMacro(macro - 1);
  // "APP" is about to be disabled under the keyboard focus: the focus goes back
  // to the macro's choice, where the arrows choose another.
  ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(kRadioIds[macro - 1])), TRUE);
  Show();
  SetModified(TRUE);
}

void Kestrin_Macro::EndRecording() {
  m_recorder.Leave();
  if (m_hWnd) Show();
}

BOOL Kestrin_Macro::PreTranslateMessage(MSG* msg) {
  if (msg->message == makerlibs::WM_HOOK_KEY && msg->hwnd == m_hWnd) {
    // Only what was typed into the sheet: the hook sends the foreground window along.
    const bool forSheet = reinterpret_cast<HWND>(msg->lParam) == ::GetAncestor(m_hWnd, GA_ROOT);
    if (m_recorder.OnKey(static_cast<std::uint32_t>(msg->wParam), forSheet)) Show();
    return TRUE;
  }
  return fw::PropertyPage::PreTranslateMessage(msg);
}

void Kestrin_Macro::Show() {
  for (int m = 1; m <= settings::kMacroCount; ++m) {
    ::SetDlgItemTextA(m_hWnd, kTextIds[m - 1], m_recorder.Text(m).c_str());
    ::EnableWindow(GetDlgItem(kStoreIds[m - 1]), m_recorder.StoreEnabled(m));
  }
  if (!m_recorder.Recording())
    m_keysKept.reset();
  else if (!m_keysKept)
    m_keysKept.reset(::SetWindowsHookExA(WH_KEYBOARD, KeepKey, nullptr, ::GetCurrentThreadId()));
}

}  // namespace sheet
