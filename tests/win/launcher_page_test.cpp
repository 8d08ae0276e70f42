// The Hot Button page in a sheet in this process: the preview, the current
// row after "Löschen", "Standard" and a new opening, Cancel, and a path
// outside the code page chosen in the file dialog.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "framework/WideText.h"
#include "launcher/Kestrin_ScrMenuSetting.h"
#include "res/resource.h"
#include "settings/registry_store_win.h"
#include "tests/support/counting_hook.h"
#include "tests/support/sheet_runner.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kShortcuts = "Software\\Trovane Mouse\\Pelrand\\Setting For ShortcutKey";
const std::wstring kProbe = L"C:\\\u03b1\u03b2 \u30c6\u30b9\u30c8.exe";
const char kCodePageText[] = "C:\\Zur\xfc" "ck\\tool.exe";  // Windows-1252, as an outside program stores it

// Answers the next dialog the page opens on this thread: the file dialog gets
// kProbe, a message box OK. g_boxes counts the message boxes.
int g_boxes = 0;
void CALLBACK Answer(HWND, UINT, UINT_PTR id, DWORD) {
  ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND w, LPARAM timer) -> BOOL {
    char cls[16] = {}, title[64] = {};
    ::GetClassNameA(w, cls, sizeof cls);
    ::GetWindowTextA(w, title, sizeof title);
    if (std::string(cls) != "#32770" || !::IsWindowVisible(w) || std::string(title) == "Quorra Kestrin Software")
      return TRUE;
    // The file name box: a combo box (cmb13) in the explorer-style dialog, an edit (edt1) in the old one.
    const int name = ::GetDlgItem(w, 0x47c) ? 0x47c : 0x480;
    if (::GetDlgItem(w, name)) ::SetDlgItemTextW(w, name, kProbe.c_str());
    else ++g_boxes;
    ::PostMessageA(w, WM_COMMAND, IDOK, 0);
    ::KillTimer(nullptr, static_cast<UINT_PTR>(timer));
    return FALSE;
  }, static_cast<LPARAM>(id));
}

// A button of the page; a dialog it opens is answered from inside its loop.
void Press(HWND page, int id) {
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, Answer);
  ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(page, id)));
  ::KillTimer(nullptr, timer);
}

// The selection moves (as by the keyboard)...
void Select(HWND page, int row) {
  HWND list = ::GetDlgItem(page, IDC_SHORTCUT_LIST);
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// ...or a click lands on the row already selected: the list reports only the click.
void ClickSelected(HWND page, int row) {
  NMITEMACTIVATE notify{};
  notify.hdr = {::GetDlgItem(page, IDC_SHORTCUT_LIST), IDC_SHORTCUT_LIST, static_cast<UINT>(NM_CLICK)};
  notify.iItem = row;
  ::SendMessageA(page, WM_NOTIFY, IDC_SHORTCUT_LIST, reinterpret_cast<LPARAM>(&notify));
}

std::wstring Path(HWND page, int row) {
  wchar_t text[512] = {};
  LVITEMW item{};
  item.iSubItem = 1;
  item.pszText = text;
  item.cchTextMax = 512;
  ::SendDlgItemMessageW(page, IDC_SHORTCUT_LIST, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return text;
}

HICON Preview(HWND page) {
  return reinterpret_cast<HICON>(::SendDlgItemMessageA(page, IDC_SHORTCUT_PREVIEW, STM_GETICON, 0, 0));
}

TEST(LauncherPageInProcess, PreviewCurrentRowCancelAndAPathOutsideTheCodePage) {
  DeleteProgramSettings();
  ASSERT_TRUE(CreateUserKey(kShortcuts));
  ASSERT_TRUE(WriteUserString(kShortcuts, "ShortcutKey #1", "Volume Control"));
  ASSERT_TRUE(WriteUserString(kShortcuts, "ShortcutKey #3", "Notepad"));
  ASSERT_TRUE(WriteUserString(kShortcuts, "ShortcutKey #5", kCodePageText));
  ASSERT_TRUE(WriteUserString(kShortcuts, "ShortcutKey #10", ProgramFolder() + "\\Pelrand.exe"));
  ASSERT_TRUE(::CopyFileW(fw::Wide(ProgramFolder() + "\\launch_probe.exe").c_str(), kProbe.c_str(), FALSE));
  settings::RegistryStore store;
  CountingHook hook;
  settings::SettingsModel model(store, hook);
  launcher::Kestrin_ScrMenuSetting page(model);
  RunSheet(model, {&page}, [&](HWND sheet) {
    HWND p = CurrentPageOf(sheet);
    Select(p, 2);
    EXPECT_EQ(Preview(p), ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_NOTEPAD)));
    Select(p, 9);
    EXPECT_NE(Preview(p), nullptr) << "the program file's icon";
    Press(p, IDC_SHORTCUT_CLEAR);
    ClickSelected(p, 9);
    EXPECT_EQ(Preview(p), nullptr) << "a click on the cleared row shows what it holds now";
    Select(p, 2);
    Press(p, IDC_SHORTCUT_DEFAULTS);
    Press(p, IDC_SHORTCUT_CLEAR);
    EXPECT_EQ(g_boxes, 1) << "after \"Standard\" no row is current";
    EXPECT_EQ(Path(p, 2), L"Control Panel");
    Select(p, 10);
    Press(p, IDC_SHORTCUT_ASSIGN);
    EXPECT_EQ(Path(p, 10), kProbe);
    EXPECT_NE(Preview(p), nullptr);
    PressSheetButton(sheet, PSBTN_APPLYNOW);
    Select(p, 0);
    Press(p, IDC_SHORTCUT_CLEAR);
    PressSheetButton(sheet, PSBTN_CANCEL);
  });
  wchar_t stored[512] = {};
  DWORD size = sizeof stored, type = 0;
  EXPECT_EQ(::RegGetValueW(HKEY_CURRENT_USER, fw::Wide(kShortcuts).c_str(), L"ShortcutKey #11", RRF_RT_ANY, &type,
                           stored, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(stored, kProbe) << "stored whole as UTF-16";
  std::string text;
  EXPECT_TRUE(ReadUserString(kShortcuts, "ShortcutKey #5", &text));
  EXPECT_EQ(text, "Outlook Express") << "\"Standard\" was applied";
  EXPECT_EQ(model.Shortcuts()[0], "Volume Control") << "Cancel kept an edit";

  // A new opening: what is stored, and no current row left from before.
  ASSERT_TRUE(WriteUserString(kShortcuts, "ShortcutKey #5", kCodePageText));
  RunSheet(model, {&page}, [&](HWND sheet) {
    HWND p = CurrentPageOf(sheet);
    EXPECT_EQ(Path(p, 0), L"Volume Control");
    Press(p, IDC_SHORTCUT_CLEAR);
    EXPECT_EQ(g_boxes, 2) << "the row clicked before the opening is not current";
    PressSheetButton(sheet, PSBTN_OK);
  });
  EXPECT_TRUE(ReadUserString(kShortcuts, "ShortcutKey #5", &text));
  EXPECT_EQ(text, kCodePageText) << "a code-page text reads back byte for byte";
  ::DeleteFileW(kProbe.c_str());
  DeleteProgramSettings();
}

}  // namespace
