#include "launcher/launcher_icons_win.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "framework/wide_text_win.h"
#include "framework/win_app_win.h"

namespace launcher {
namespace {

// What Explorer shows for the file or folder: a program's own first icon, a
// document's or shortcut's type icon, the folder icon.
HICON ShellIconOf(const std::wstring& path, DWORD attributes = 0, UINT extra = 0) {
  SHFILEINFOW info{};
  if (!::SHGetFileInfoW(path.c_str(), attributes, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON | extra))
    return nullptr;
  return info.hIcon;
}

// The protocol's own icon where it registers one ("path,index"), else the icon
// of the program that opens it, else that of an Internet shortcut.
HICON ProtocolIconOf(const std::wstring& protocol) {
  wchar_t text[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  if (SUCCEEDED(::AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_DEFAULTICON, protocol.c_str(), nullptr, text, &size))) {
    const int index = ::PathParseIconLocationW(text);
    HICON icon = nullptr;
    if (::ExtractIconExW(text, index, &icon, nullptr, 1) == 1 && icon) return icon;
  }
  size = MAX_PATH;
  if (SUCCEEDED(::AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, protocol.c_str(), L"open", text, &size))) {
    if (HICON icon = ShellIconOf(text)) return icon;
  }
  return ShellIconOf(L".url", FILE_ATTRIBUTE_NORMAL, SHGFI_USEFILEATTRIBUTES);
}

}  // namespace

void LoadIconChoice(const IconChoice& choice, fw::OwnedIcon& icon) {
  switch (choice.kind) {
    case IconChoice::Kind::Resource:
      icon.Share(::LoadIconA(fw::ResourceInstance(), MAKEINTRESOURCEA(choice.resourceId)));
      break;
    case IconChoice::Kind::OfFile:
      icon.Own(ShellIconOf(fw::Wide(choice.target)));
      break;
    case IconChoice::Kind::OfProtocol:
      icon.Own(ProtocolIconOf(fw::Wide(choice.target)));
      break;
    case IconChoice::Kind::None:
      icon.Reset();
      break;
  }
}

}  // namespace launcher
