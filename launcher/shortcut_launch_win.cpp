#include "launcher/shortcut_launch_win.h"

#include <windows.h>
#include <shellapi.h>

namespace launcher {
namespace {

bool IsExistingFile(const std::string& path) {
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void PerformLaunch(const LaunchDecision& decision) {
  switch (decision.kind) {
    case LaunchDecision::Kind::Nothing:
      break;
    case LaunchDecision::Kind::OpenPredefined:
      ::ShellExecuteA(nullptr, "open", decision.target.c_str(), "", nullptr, SW_SHOW);
      break;
    case LaunchDecision::Kind::StartFile: {
      // Quoted, so that a path with blanks ("C:\Program Files\...") is one
      // program and never "C:\Program.exe" with arguments.
      std::string quoted = "\"" + decision.target + "\"";
      ::WinExec(quoted.c_str(), SW_SHOW);
      break;
    }
    case LaunchDecision::Kind::RunCommandLine:
      ::WinExec(decision.target.c_str(), SW_SHOW);
      break;
  }
}

void LaunchSlot(int page, int index, const Table& texts) {
  PerformLaunch(DecideLaunch(page, index, texts, IsExistingFile));
}

}  // namespace launcher
