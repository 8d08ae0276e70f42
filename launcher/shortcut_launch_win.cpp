#include "launcher/shortcut_launch_win.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

namespace launcher {
namespace {

bool IsExistingFile(const std::string& path) {
  DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Open(const char* file) {
  return reinterpret_cast<INT_PTR>(::ShellExecuteA(nullptr, "open", file, "", nullptr, SW_SHOW)) > 32;
}

// Starts the present-day stand-in of a predefined program the system lacks.
void StartFallback(const Fallback& fallback) {
  switch (fallback.kind) {
    case Fallback::Kind::None:
      break;
    case Fallback::Kind::Program:
      Open(fallback.target);
      break;
    case Fallback::Kind::DefaultHandler: {
      // The program itself, started plainly (a mail program to its inbox, a
      // browser to its start page), rather than an empty link.
      char program[MAX_PATH] = {};
      DWORD size = MAX_PATH;
      if (SUCCEEDED(::AssocQueryStringA(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, fallback.target, "open", program, &size)) &&
          Open(program))
        break;
      Open((std::string(fallback.target) + ":").c_str());
      break;
    }
    case Fallback::Kind::DocumentsFolder: {
      char folder[MAX_PATH] = {};
      if (SUCCEEDED(::SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder))) Open(folder);
      break;
    }
  }
}

}  // namespace

void PerformLaunch(const LaunchDecision& decision) {
  switch (decision.kind) {
    case LaunchDecision::Kind::Nothing:
      break;
    case LaunchDecision::Kind::OpenPredefined:
      if (!Open(decision.target.c_str())) StartFallback(PredefinedOf(decision.slot).fallback);
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
