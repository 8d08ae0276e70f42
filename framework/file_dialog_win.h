// The system's dialog for choosing one program file. Its library is loaded
// when a page first asks for a file: with it come the printing libraries it
// imports, which a resident program need not carry before that.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

struct FileDialogText {
  const wchar_t* filter;   // pairs of "name\0pattern\0"
  const wchar_t* initial;  // the name box's text when the dialog opens
  const wchar_t* title;    // null: the system's own
  DWORD flags;             // OFN_* beside the extension ".exe" taken by default
};

// The chosen path, or empty when the dialog was cancelled or cannot be shown.
// Wide, so that a path outside the code page can be chosen.
std::wstring ChooseProgramFile(HWND owner, const FileDialogText& text);

}  // namespace fw
