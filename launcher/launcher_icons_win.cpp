#include "launcher/launcher_icons_win.h"

#include <shellapi.h>

#include "framework/win_app_win.h"

namespace launcher {

void LoadIconChoice(const IconChoice& choice, fw::OwnedIcon& icon) {
  switch (choice.kind) {
    case IconChoice::Kind::Resource:
      icon.Share(::LoadIconA(fw::ResourceInstance(), MAKEINTRESOURCEA(choice.resourceId)));
      break;
    case IconChoice::Kind::FromFile: {
      HICON extracted = ::ExtractIconA(fw::ResourceInstance(), choice.file.c_str(), 0);
      // 1 means "a file, but no program, library or icon file": no icon at all.
      if (reinterpret_cast<INT_PTR>(extracted) == 1) extracted = nullptr;
      icon.Own(extracted);
      break;
    }
    case IconChoice::Kind::None:
      icon.Reset();
      break;
  }
}

}  // namespace launcher
