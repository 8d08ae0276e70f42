// The Hot Button page and popup in this process, one after the other: the
// page's preview and current row, Cancel, a program outside the code page
// chosen in the file dialog; the popup's icons and tooltips of every kind of
// slot, its place in the work area, and the start of that program.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <initializer_list>
#include <utility>

#include "framework/wide_text_win.h"
#include "launcher/CHotButtonDlg.h"
#include "launcher/Kestrin_ScrMenuSetting.h"
#include "res/resource.h"
#include "settings/registry_store_win.h"
#include "tests/support/sheet_runner.h"
#include "settings/schema.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

// The model's link to the mouse hook: the page needs none.
struct NoHook : settings::HookLink {
  void SetButtonTable(const volatile std::int32_t*, int) override {}
  void SetWheelMode(std::int32_t) override {}
};

const std::string kShortcuts = Section(settings::kSectionShortcut);
const std::wstring kProbe = L"C:\\\u03b1\u03b2 \u30c6\u30b9\u30c8.exe";
const char kCodePageText[] = "C:\\Zur\xfc" "ck\\tool.exe";  // Windows-1252, as an outside program stores it

void SetSlots(std::initializer_list<std::pair<int, std::string>> slots) {
  for (const auto& [slot, text] : slots)
    ASSERT_TRUE(WriteUserString(kShortcuts, "ShortcutKey #" + std::to_string(slot), text));
}

// Answers the dialog a button of the page opened, from inside its loop: the
// file dialog (its name box is cmb13) gets kProbe, a message box OK.
int g_boxes = 0;
BOOL CALLBACK AnswerDialog(HWND w, LPARAM) {
  char cls[16] = {};
  ::GetClassNameA(w, cls, sizeof cls);
  if (std::string(cls) != "#32770" || !::IsWindowVisible(w) || !::GetWindow(w, GW_OWNER)) return TRUE;
  if (!::SetDlgItemTextW(w, 0x47c, kProbe.c_str())) ++g_boxes;
  ::PostMessageA(w, WM_COMMAND, IDOK, 0);
  return FALSE;
}
void Press(HWND page, int id) {
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
    ::EnumThreadWindows(::GetCurrentThreadId(), AnswerDialog, 0);
  });
  ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(page, id)));
  ::KillTimer(nullptr, timer);
}
// The selection moves (as by the keyboard), or a click lands on the row
// already selected, which the list reports only as a click.
void Select(HWND page, int row) {
  const HWND list = ::GetDlgItem(page, IDC_SHORTCUT_LIST);
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}
void ClickSelected(HWND page) {
  NMHDR click{::GetDlgItem(page, IDC_SHORTCUT_LIST), IDC_SHORTCUT_LIST, static_cast<UINT>(NM_CLICK)};
  ::SendMessageA(page, WM_NOTIFY, IDC_SHORTCUT_LIST, reinterpret_cast<LPARAM>(&click));
}
std::wstring Path(HWND page, int row) {
  wchar_t text[512] = {};
  LVITEMW item{};
  item.iSubItem = 1, item.pszText = text, item.cchTextMax = 512;
  ::SendDlgItemMessageW(page, IDC_SHORTCUT_LIST, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  return text;
}
std::function<void(HWND)> g_popupStep;  // runs once the popup is up
HICON IconOf(HWND dialog, int id) {
  return reinterpret_cast<HICON>(::SendDlgItemMessageA(dialog, id, STM_GETICON, 0, 0));
}
HICON Resource(int id) { return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }
std::wstring Tooltip(HWND popup, int slot) {
  HWND tips = nullptr;
  while ((tips = ::FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr)) && ::GetWindow(tips, GW_OWNER) != popup) {
  }
  wchar_t text[512] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool, tool.hwnd = popup, tool.lpszText = text;
  tool.uId = reinterpret_cast<UINT_PTR>(::GetDlgItem(popup, 1094 + slot));
  ::SendMessageW(tips, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
  return text;
}

TEST(LauncherInProcess, ThePageKeepsWhatItShouldAndThePopupShowsAndStartsEveryKindOfSlot) {
  DeleteProgramSettings();
  ClearLaunchProbeLog();
  ASSERT_TRUE(CreateUserKey(kShortcuts));
  const std::string document = TempFile("zyfo note.txt");
  ::CloseHandle(::CreateFileA(document.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  SetSlots({{1, "Volume Control"}, {3, "Notepad"}, {10, ProgramFolder() + "\\Pelrand.exe"}});
  ASSERT_TRUE(::CopyFileW(fw::Wide(ProgramFolder() + "\\launch_probe.exe").c_str(), kProbe.c_str(), FALSE));
  settings::RegistryStore store;
  NoHook hook;
  settings::SettingsModel model(store, hook);
  launcher::Kestrin_ScrMenuSetting page(model);
  RunSheet(model, {&page}, [&](HWND sheet) {
    HWND p = PropSheet_GetCurrentPageHwnd(sheet);
    Select(p, 2);
    EXPECT_EQ(IconOf(p, IDC_SHORTCUT_PREVIEW), Resource(IDI_NOTEPAD));
    Select(p, 9);
    EXPECT_NE(IconOf(p, IDC_SHORTCUT_PREVIEW), nullptr) << "the program file's icon";
    Press(p, IDC_SHORTCUT_CLEAR);
    ClickSelected(p);
    EXPECT_EQ(IconOf(p, IDC_SHORTCUT_PREVIEW), nullptr) << "a click on the cleared row shows what it holds now";
    Press(p, IDC_SHORTCUT_DEFAULTS);
    Press(p, IDC_SHORTCUT_CLEAR);
    EXPECT_TRUE(g_boxes == 1 && Path(p, 9) == L" ") << "after \"Standard\" no row is current";
    Select(p, 10);
    Press(p, IDC_SHORTCUT_ASSIGN);
    EXPECT_TRUE(Path(p, 10) == kProbe && IconOf(p, IDC_SHORTCUT_PREVIEW)) << fw::Utf8(Path(p, 10));
    ::SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
    Select(p, 0);
    Press(p, IDC_SHORTCUT_CLEAR);
    ::SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  });
  wchar_t stored[512] = {};
  DWORD size = sizeof stored, type = 0;
  ::RegGetValueW(HKEY_CURRENT_USER, fw::Wide(kShortcuts).c_str(), L"ShortcutKey #11", RRF_RT_ANY, &type, stored, &size);
  EXPECT_TRUE(type == REG_SZ && stored == kProbe) << "a REG_SZ holding the whole path: " << fw::Utf8(stored);
  EXPECT_EQ(model.Shortcuts()[0], "Volume Control") << "Cancel kept an edit";
  std::string text;
  EXPECT_TRUE(ReadUserString(kShortcuts, "ShortcutKey #4", &text) && text == "Magnifier") << "\"Standard\" was applied";

  // A new opening shows what is stored, with no current row left from before.
  ASSERT_TRUE(WriteUserString(kShortcuts, "ShortcutKey #5", kCodePageText));
  RunSheet(model, {&page}, [&](HWND sheet) {
    HWND p = PropSheet_GetCurrentPageHwnd(sheet);
    EXPECT_TRUE(Path(p, 0) == L"Volume Control" && Path(p, 4) == L"C:\\Zur\u00fcck\\tool.exe");
    Press(p, IDC_SHORTCUT_CLEAR);
    EXPECT_EQ(g_boxes, 2) << "the row clicked before the opening is not current";
    ::SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  });
  EXPECT_TRUE(ReadUserString(kShortcuts, "ShortcutKey #5", &text) && text == kCodePageText) << "read back: " << text;

  // The popup over what the page stored, with a few more kinds of slot.
  SetSlots({{2, "volume control"}, {12, "C:\\windows"}, {13, document}, {14, "http://example.org"},
            {15, "C:\\Program Files\\Gone\\x.exe"}});
  ASSERT_TRUE(WriteUserDword(Section(settings::kSectionMenuPos), "x", 5000) && WriteUserDword(Section(settings::kSectionMenuPos), "y", 5000));
  g_popupStep = [&](HWND popup) {
    RECT work{}, rect{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    ::GetWindowRect(popup, &rect);
    EXPECT_TRUE(rect.right == work.right && rect.bottom == work.bottom) << "5000, 5000 is clamped to the corner";
    EXPECT_EQ(IconOf(popup, 1095), Resource(IDI_VOLUME));
    EXPECT_EQ(IconOf(popup, 1104), Resource(IDI_UNASSIGNED)) << "slot 10, cleared";
    for (int slot : {2, 15}) EXPECT_EQ(IconOf(popup, 1094 + slot), nullptr) << "names nothing: " << slot;
    for (int slot : {11, 12, 13, 14}) EXPECT_NE(IconOf(popup, 1094 + slot), nullptr) << "the shell's icon: " << slot;
    EXPECT_TRUE(Tooltip(popup, 1) == L"Volume Control" && Tooltip(popup, 11) == kProbe && Tooltip(popup, 10).empty());
    // A move by hand is clamped too, although Wine passes no size with SWP_NOSIZE.
    ::SetWindowPos(popup, nullptr, -500, 3000, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ::GetWindowRect(popup, &rect);
    EXPECT_TRUE(rect.left == work.left && rect.bottom == work.bottom) << rect.left << "," << rect.bottom;
    HWND slot11 = ::GetDlgItem(popup, 1105);
    ::PostMessageA(popup, WM_COMMAND, MAKEWPARAM(1105, STN_CLICKED), reinterpret_cast<LPARAM>(slot11));
  };
  launcher::WheelPager pager;
  launcher::CHotButtonDlg dialog(store, pager);
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND popup = ::FindWindowA(nullptr, "Hot Button");
    if (g_popupStep && popup) std::exchange(g_popupStep, nullptr)(popup);
    else if (popup) ::PostMessageA(popup, WM_COMMAND, IDCANCEL, 0);  // the click did not close it
  });
  dialog.DoModal(nullptr);
  ::KillTimer(nullptr, timer);
  EXPECT_TRUE(PumpUntil([] { return LaunchProbeLog().find(fw::Utf8(kProbe) + "|") != std::string::npos; }, 5000))
      << "the click started the program outside the code page: " << LaunchProbeLog();
  ::DeleteFileA(document.c_str());
  ::DeleteFileW(kProbe.c_str());
  DeleteProgramSettings();
}

}  // namespace
