#include "sheet/Kestrin_Programs.h"

#include <commdlg.h>

#include <vector>

#include "framework/handles_win.h"
#include "framework/file_dialog_win.h"
#include "framework/wide_text_win.h"
#include "framework/win_app_win.h"
#include "res/resource.h"
#include "sheet/function_lists_win.h"
#include "sheet/open_programs_win.h"

namespace sheet {
namespace {
// Commands of the add menu: the file dialog, then the programs of the open windows.
constexpr UINT kChooseFileCommand = 1;
constexpr UINT kFirstOpenProgramCommand = 100;
}  // namespace

Kestrin_Programs::Kestrin_Programs(settings::SettingsModel& settings)
    : fw::PropertyPage(IDD_PROGRAMS), m_settings(settings) {}

BOOL Kestrin_Programs::OnInitDialog() {
  fw::PropertyPage::OnInitDialog();
  for (int slot = 0; slot < actions::kButtonSlotCount; ++slot) FillFunctionList(m_lists[slot], m_hWnd, slot);
  m_mousePicture.Show(m_hWnd, IDB_MOUSE_BUTTONS);
  // Each opening starts from the model's list: edits left with Cancel are gone.
  m_page.Open(m_settings.Programs());
  FillList();
  return TRUE;
}

void Kestrin_Programs::OnDpiChanged(UINT dpi, const RECT*) { m_mousePicture.Reload(dpi); }

void Kestrin_Programs::FillList() {
  const HWND list = GetDlgItem(IDC_PROGRAM_LIST);
  ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const settings::ProgramSetting& program : m_page.Programs())
    ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(program.name.c_str()));
  ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(m_page.Selected()), 0);
  ShowSelected();
}

void Kestrin_Programs::ShowSelected() {
  const int selected = m_page.Selected();
  for (int slot = 0; slot < actions::kButtonSlotCount; ++slot) {
    const settings::ButtonTable* buttons =
        selected >= 0 ? &m_page.Programs()[static_cast<std::size_t>(selected)].buttons : nullptr;
    ShowFunction(m_lists[slot], buttons ? (*buttons)[static_cast<std::size_t>(slot)] : -1);
    // As on the "Tasten" tab, the left button's list is never open to change and the sixth stays hidden.
    if (slot != makerlibs::kSlotLeft && slot != actions::kSixthSlot) m_lists[slot].EnableWindow(buttons != nullptr);
  }
  const HWND remove = GetDlgItem(IDC_PROGRAM_REMOVE);
  if (selected < 0 && ::GetFocus() == remove)
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDC_PROGRAM_ADD)), TRUE);
  ::EnableWindow(remove, selected >= 0);
}

BOOL Kestrin_Programs::OnCommand(WORD id, WORD code, HWND) {
  if (id == IDC_PROGRAM_ADD && code == BN_CLICKED) {
    OnAdd();
    return TRUE;
  }
  if (id == IDC_PROGRAM_REMOVE && code == BN_CLICKED) {
    OnRemove();
    return TRUE;
  }
  if (id == IDC_PROGRAM_LIST && code == LBN_SELCHANGE) {
    m_page.Select(static_cast<int>(::SendDlgItemMessageA(m_hWnd, IDC_PROGRAM_LIST, LB_GETCURSEL, 0, 0)));
    ShowSelected();
    return TRUE;
  }
  const int slot = SlotOfFunctionList(id);
  if (code == CBN_SELCHANGE && slot >= 0) {
    OnFunctionChosen(slot);
    return TRUE;
  }
  return FALSE;
}

void Kestrin_Programs::OnFunctionChosen(int slot) {
  m_page.SetFunction(slot, m_lists[slot].GetCurSel());
  MarkModified();
}

void Kestrin_Programs::OnAdd() {
  const std::vector<std::string> open = OpenProgramChoices(OpenWindowPrograms());
  fw::UniqueMenu menu(::CreatePopupMenu());
  ::AppendMenuA(menu.get(), MF_STRING, kChooseFileCommand, "Programmdatei wählen...");
  if (!open.empty()) ::AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
  for (std::size_t i = 0; i < open.size(); ++i) {
    // A program the list has already is shown, but cannot be chosen again.
    const bool listed = settings::FindProgram(m_page.Programs(), open[i]) != nullptr;
    ::AppendMenuA(menu.get(), MF_STRING | (listed ? MF_GRAYED : 0u), kFirstOpenProgramCommand + i,
                  MenuItemText(open[i]).c_str());
  }
  RECT button{};
  ::GetWindowRect(GetDlgItem(IDC_PROGRAM_ADD), &button);
  const UINT command = static_cast<UINT>(::TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN,
                                                          button.left, button.bottom, 0, m_hWnd, nullptr));
  if (command == kChooseFileCommand) {
    const std::string file = ChooseProgramFile();
    if (!file.empty()) AddProgram(file);
  } else if (command >= kFirstOpenProgramCommand && command - kFirstOpenProgramCommand < open.size()) {
    AddProgram(open[command - kFirstOpenProgramCommand]);
  }
}

std::string Kestrin_Programs::ChooseProgramFile() {
  // Wide, and then into the code page the names are stored in without the
  // narrow call's look-alike letters: a name outside it is refused, with "?" in it.
  // The resident program's current folder stays where it is.
  const std::wstring path = fw::ChooseProgramFile(
      m_hWnd, {L"Programme (*.exe)\0*.exe\0", nullptr, L"Programm hinzuf\u00fcgen",
               OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR});
  if (path.empty()) return {};
  return fw::CodePageText(path);
}

void Kestrin_Programs::AddProgram(const std::string& pathOrName) {
  // A new program starts with the functions the "Tasten" tab gives all others.
  if (m_page.Add(pathOrName, m_settings.Buttons()) == ProgramPage::Added::Refused) {
    char title[64] = {};
    ::LoadStringA(fw::ResourceInstance(), IDS_APP_TITLE, title, sizeof title);
    const std::string text = "\"" + pathOrName + "\" ist kein gültiger Programmname.";
    ::MessageBoxA(m_hWnd, text.c_str(), title, MB_OK | MB_ICONWARNING);
    return;
  }
  FillList();
  MarkModified();
}

void Kestrin_Programs::OnRemove() {
  if (!m_page.Remove()) return;
  FillList();
  MarkModified();
}

void Kestrin_Programs::MarkModified() { SetModified(m_page.Changed() ? TRUE : FALSE); }

BOOL Kestrin_Programs::OnApply() {
  // Only a changed list is handed on: an OK after merely looking writes nothing.
  if (m_page.Apply()) m_settings.ApplyPrograms(m_page.Programs());
  return fw::PropertyPage::OnApply();
}

}  // namespace sheet
