#include "framework/file_dialog_win.h"

#include <commdlg.h>

#include "framework/libraries_win.h"

namespace fw {

std::wstring ChooseProgramFile(HWND owner, const FileDialogText& text) {
  wchar_t path[MAX_PATH] = L"";
  if (text.initial) lstrcpynW(path, text.initial, MAX_PATH);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = text.filter;
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = L"exe";
  dialog.lpstrTitle = text.title;
  dialog.Flags = text.flags;
  static const auto open = reinterpret_cast<decltype(&::GetOpenFileNameW)>(
      reinterpret_cast<void*>(::GetProcAddress(LoadSystemLibrary("comdlg32.dll"), "GetOpenFileNameW")));
  if (!open || !open(&dialog)) return std::wstring();
  return path;
}

}  // namespace fw
