#include "tests/support/sheet_runner.h"

#include <commctrl.h>

#include "sheet/MyPropertySheet.h"

namespace testsupport {
namespace {
constexpr char kCaption[] = "Quorra Kestrin Software";
// The id comctl32 gives the sheet's Apply button.
constexpr int kApplyButton = 0x3021;

std::function<void(HWND)> g_script;

void CALLBACK RunScript(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  HWND sheet = ::FindWindowA(nullptr, kCaption);
  if (!sheet) return;
  if (g_script) g_script(sheet);
  if (::IsWindow(sheet) && CurrentPageOf(sheet)) PressSheetButton(sheet, PSBTN_CANCEL);
}
}  // namespace

void RunSheet(settings::SettingsModel& model, std::initializer_list<fw::PropertyPage*> pages,
              std::function<void(HWND)> script) {
  g_script = std::move(script);
  sheet::MyPropertySheet sheet(kCaption, model);
  for (fw::PropertyPage* page : pages) sheet.AddPage(page);
  ::SetTimer(nullptr, 0, 200, RunScript);
  sheet.DoModal();
  g_script = nullptr;
}

HWND CurrentPageOf(HWND sheet) {
  return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void PressSheetButton(HWND sheet, int button) {
  ::SendMessageA(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
}

std::string ItemText(HWND dialog, int id) {
  char text[256] = {};
  ::GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

bool ApplyEnabled(HWND sheet) { return ::IsWindowEnabled(::GetDlgItem(sheet, kApplyButton)) != FALSE; }

}  // namespace testsupport
