#include "sheet/open_programs_win.h"

#include <windows.h>

#include <algorithm>

#include "framework/handles_win.h"

namespace sheet {
namespace {

BOOL CALLBACK CollectProcess(HWND window, LPARAM lp) {
  auto& pids = *reinterpret_cast<std::vector<DWORD>*>(lp);
  if (!::IsWindowVisible(window) || ::GetWindowTextLengthA(window) == 0) return TRUE;
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  if (pid != 0 && pid != ::GetCurrentProcessId() && std::find(pids.begin(), pids.end(), pid) == pids.end())
    pids.push_back(pid);
  return TRUE;
}

}  // namespace

std::vector<std::string> OpenWindowProgramFiles() {
  std::vector<DWORD> pids;
  ::EnumWindows(CollectProcess, reinterpret_cast<LPARAM>(&pids));
  std::vector<std::string> files;
  for (DWORD pid : pids) {
    // The limited right is enough for the file name, and is granted where the full
    // one is not (an elevated program of the same user).
    fw::UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (!process) continue;
    char path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (::QueryFullProcessImageNameA(process.get(), 0, path, &size)) files.emplace_back(path, size);
  }
  return files;
}

}  // namespace sheet
