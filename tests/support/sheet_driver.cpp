#include "tests/support/sheet_driver.h"

#include <commctrl.h>

#include "res/identity.h"
#include "res/resource.h"
#include "tests/support/wine_support.h"

namespace e2e {

bool SheetDriver::Open() {
  ::PostMessageA(m_program.Frame(), WM_COMMAND, ID_CONFIGURATION, 0);
  if (!testsupport::PumpUntil([&] { return (m_sheet = ::FindWindowA(nullptr, res::kSheetCaption)) != nullptr; }))
    return false;
  if (!testsupport::PumpUntil([&] { return CurrentPage() != nullptr; })) return false;
  testsupport::PumpFor(300);
  return true;
}

bool SheetDriver::ShowTab(int index) {
  PropSheet_SetCurSel(m_sheet, nullptr, index);
  const bool shown = testsupport::PumpUntil([&] { return CurrentTab() == index && CurrentPage(); }, 3000);
  testsupport::PumpFor(300);
  return shown;
}

int SheetDriver::CurrentTab() const { return TabCtrl_GetCurSel(PropSheet_GetTabControl(m_sheet)); }

HWND SheetDriver::CurrentPage() const { return PropSheet_GetCurrentPageHwnd(m_sheet); }

void SheetDriver::Click(HWND window, const std::string& button) const {
  testsupport::ClickCentre(window, "click " + button);
  testsupport::PumpFor(300);
}

void SheetDriver::TakeKeyboard(int focusId) const {
  RECT page{};
  ::GetWindowRect(CurrentPage(), &page);
  testsupport::Xdotool("mousemove " + std::to_string(page.left + 6) + " " + std::to_string(page.bottom - 6) +
                       " click 1");
  if (focusId) ::SendMessageA(CurrentPage(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(focusId)), TRUE);
  testsupport::PumpFor(300);
}

std::string SheetDriver::Text(int id) const {
  // WM_GETTEXT is carried across processes by the system.
  char text[256] = {};
  ::SendMessageA(Item(id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

bool SheetDriver::WaitClosed(DWORD timeoutMs) {
  const bool closed =
      testsupport::PumpUntil([] { return ::FindWindowA(nullptr, res::kSheetCaption) == nullptr; }, timeoutMs);
  if (closed) m_sheet = nullptr;
  return closed;
}

}  // namespace e2e
