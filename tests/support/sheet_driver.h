// Drives the configuration sheet of the real program from a test, as a user
// would: opens it through the tray frame's command, picks tabs, clicks.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/program.h"

namespace e2e {

// The sheet's tabs, in their order.
enum SheetTab { kButtonsTab, kLauncherTab, kWheelTab, kPointerTab, kMacroTab, kXYTab, kAboutTab, kTabCount };

// Ids of the sheet's own buttons.
constexpr int kOkButton = IDOK;
constexpr int kCancelButton = IDCANCEL;
constexpr int kApplyButton = 0x3021;

class SheetDriver {
 public:
  explicit SheetDriver(const Program& program) : m_program(program) {}

  // Asks the frame for the sheet and waits until it shows a page.
  bool Open();
  // Shows tab 0..6 and waits until its page exists.
  bool ShowTab(int index);
  int CurrentTab() const;
  HWND Sheet() const { return m_sheet; }
  HWND CurrentPage() const;
  // A control of the current page.
  HWND Item(int id) const { return ::GetDlgItem(CurrentPage(), id); }
  // One of the sheet's own buttons (OK, Cancel, Apply).
  HWND Button(int id) const { return ::GetDlgItem(m_sheet, id); }
  // A real click in the middle of a window, through X11.
  void Click(HWND window, const std::string& button = "1") const;
  // A real click on an empty spot of the page gives the sheet the keyboard;
  // with a control id, the page then moves its focus there.
  void TakeKeyboard(int focusId = 0) const;
  // The text of a control of the current page.
  std::string Text(int id) const;
  // Waits until no sheet is open.
  bool WaitClosed(DWORD timeoutMs = 5000);

 private:
  const Program& m_program;
  HWND m_sheet = nullptr;
};

}  // namespace e2e
