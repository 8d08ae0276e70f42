#include "tests/support/sheet_driver.h"

#include <commctrl.h>

#include "res/identity.h"
#include "res/resource.h"
#include "tests/support/remote_buffer.h"
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

std::string SheetDriver::Text(int id) const {
  // WM_GETTEXT is carried across processes by the system.
  char text[256] = {};
  ::SendMessageA(Item(id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

std::string SheetDriver::ListText(HWND list, int row, int column) const {
  constexpr SIZE_T kText = 512;
  testsupport::RemoteBuffer remote(list, sizeof(LVITEMA) + kText);
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = remote.get() + sizeof(LVITEMA);
  item.cchTextMax = kText;
  char buffer[kText] = {};
  if (!remote.Write(0, &item, sizeof item) || !remote.Write(sizeof item, buffer, 1)) return "<no access>";
  ::SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote.get()));
  if (!remote.Read(sizeof item, buffer, kText - 1)) return "<no access>";
  return buffer;
}

RECT SheetDriver::ListRowRect(HWND list, int row) const {
  testsupport::RemoteBuffer remote(list, sizeof(RECT));
  RECT rect{LVIR_BOUNDS, 0, 0, 0};
  remote.Write(0, &rect, sizeof rect);
  ::SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote.get()));
  remote.Read(0, &rect, sizeof rect);
  ::MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool SheetDriver::ListSelected(HWND list, int row) const {
  return ::SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) != 0;
}

bool SheetDriver::WaitClosed(DWORD timeoutMs) {
  const bool closed =
      testsupport::PumpUntil([] { return ::FindWindowA(nullptr, res::kSheetCaption) == nullptr; }, timeoutMs);
  if (closed) m_sheet = nullptr;
  return closed;
}

}  // namespace e2e
