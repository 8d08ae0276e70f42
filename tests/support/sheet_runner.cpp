#include "tests/support/sheet_runner.h"

#include <commctrl.h>

#include "res/identity.h"
#include "sheet/MyPropertySheet.h"

namespace testsupport {
namespace {
std::function<void(HWND)> g_script;

void CALLBACK RunScript(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  HWND sheet = ::FindWindowA(nullptr, res::kSheetCaption);
  if (!sheet) return;
  if (g_script) g_script(sheet);
  if (::IsWindow(sheet) && PropSheet_GetCurrentPageHwnd(sheet)) ::SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}
}  // namespace

void RunSheet(settings::SettingsModel& model, std::initializer_list<fw::PropertyPage*> pages,
              std::function<void(HWND)> script) {
  g_script = std::move(script);
  sheet::MyPropertySheet sheet(res::kSheetCaption, model);
  for (fw::PropertyPage* page : pages) sheet.AddPage(page);
  ::SetTimer(nullptr, 0, 200, RunScript);
  sheet.DoModal();
  g_script = nullptr;
}

}  // namespace testsupport
