#include "launcher/shortcut_launch_win.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "framework/wide_text_win.h"

namespace launcher {
namespace {

class System : public LaunchSurroundings {
 public:
  bool FileExists(const std::string& path) const override {
    const DWORD attributes = ::GetFileAttributesW(fw::Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }
  bool IsDirectory(const std::string& path) const override {
    const DWORD attributes = ::GetFileAttributesW(fw::Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  }
  std::string ExpandEnvironment(const std::string& text) const override {
    const std::wstring wide = fw::Wide(text);
    const DWORD size = ::ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0);
    if (size == 0) return text;
    std::wstring expanded(size, L'\0');
    if (::ExpandEnvironmentStringsW(wide.c_str(), &expanded[0], size) == 0) return text;
    return fw::Utf8(expanded.c_str());
  }
  std::string FindProgram(const std::string& name) const override {
    wchar_t found[MAX_PATH] = {};
    const DWORD n = ::SearchPathW(nullptr, fw::Wide(name).c_str(), L".exe", MAX_PATH, found, nullptr);
    return n > 0 && n < MAX_PATH && FileExists(fw::Utf8(found)) ? fw::Utf8(found) : std::string();
  }
};

// Wine's ShellExecuteEx, like a command line, splits an unquoted file name at
// its blanks; Windows takes the quoted form as well.
std::wstring Quoted(const std::string& path) { return L"\"" + fw::Wide(path) + L"\""; }

// True when the shell started something. The process started gets the right
// to come to the front: the program gives up nothing system-wide for it.
bool Shell(const wchar_t* verb, const std::wstring& file, const std::wstring& parameters) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  // NOASYNC: this thread ends right after, and the shell must be done by then.
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.lpVerb = verb;
  info.lpFile = file.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  info.nShow = SW_SHOW;
  if (!::ShellExecuteExW(&info)) return false;
  if (info.hProcess) {
    ::AllowSetForegroundWindow(::GetProcessId(info.hProcess));
    ::CloseHandle(info.hProcess);
  }
  return true;
}

// The present-day stand-in of a predefined program the system lacks.
void StartStandIn(const Fallback& fallback) {
  switch (fallback.kind) {
    case Fallback::Kind::None:
      break;
    case Fallback::Kind::Program:
      Shell(L"open", fw::Wide(fallback.target), {});
      break;
    case Fallback::Kind::DefaultHandler: {
      // The program itself, started plainly (a mail program to its inbox, a
      // browser to its start page), rather than an empty link.
      wchar_t program[MAX_PATH] = {};
      DWORD size = MAX_PATH;
      const std::wstring protocol = fw::Wide(fallback.target);
      if (SUCCEEDED(::AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, protocol.c_str(), L"open", program, &size)) &&
          Shell(L"open", Quoted(fw::Utf8(program)), {}))
        break;
      Shell(nullptr, protocol + L":", {});
      break;
    }
    case Fallback::Kind::DocumentsFolder: {
      wchar_t folder[MAX_PATH] = {};
      if (SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder)))
        Shell(nullptr, Quoted(fw::Utf8(folder)), {});
      break;
    }
  }
}

void Perform(const Launch& launch) {
  switch (launch.kind) {
    case Launch::Kind::Nothing:
      break;
    case Launch::Kind::Predefined: {
      const Predefined& row = PredefinedOf(launch.slot);
      if (launch.file.empty() || !Shell(L"open", fw::Wide(launch.file), {})) StartStandIn(row.fallback);
      break;
    }
    case Launch::Kind::Program:
    case Launch::Kind::Document:
    case Launch::Kind::Folder:
      // The default verb: what a double-click in Explorer does.
      Shell(nullptr, Quoted(launch.file), fw::Wide(launch.args));
      break;
    case Launch::Kind::Url:
      Shell(nullptr, fw::Wide(launch.file), {});
      break;
  }
}

DWORD WINAPI LaunchThread(void* parameter) {
  Launch* launch = static_cast<Launch*>(parameter);
  // Shell extensions and protocol handlers expect an apartment on the caller.
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  Perform(*launch);
  if (SUCCEEDED(com)) ::CoUninitialize();
  delete launch;
  return 0;
}

}  // namespace

const LaunchSurroundings& SystemSurroundings() {
  static const System system;
  return system;
}

void StartLaunch(const Launch& launch) {
  if (launch.kind == Launch::Kind::Nothing) return;
  Launch* copy = new Launch(launch);
  HANDLE thread = ::CreateThread(nullptr, 0, LaunchThread, copy, 0, nullptr);
  if (thread) {
    ::CloseHandle(thread);
  } else {
    delete copy;
  }
}

void LaunchSlot(int page, int index, const Table& texts) {
  StartLaunch(DecideLaunch(page, index, texts, SystemSurroundings()));
}

}  // namespace launcher
