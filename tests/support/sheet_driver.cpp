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
  ::SendMessageA(m_sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
  const bool shown = testsupport::PumpUntil([&] { return CurrentTab() == index && CurrentPage(); }, 3000);
  testsupport::PumpFor(300);
  return shown;
}

namespace {
int CurrentTabOf(HWND sheet) {
  HWND tabs = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  return static_cast<int>(::SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
}
}  // namespace

int SheetDriver::CurrentTab() const { return CurrentTabOf(m_sheet); }

HWND SheetDriver::CurrentPage() const {
  return reinterpret_cast<HWND>(::SendMessageA(m_sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void SheetDriver::Click(HWND window, const std::string& button) const {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  testsupport::Xdotool("mousemove " + std::to_string((rect.left + rect.right) / 2) + " " +
                       std::to_string((rect.top + rect.bottom) / 2) + " click " + button);
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
