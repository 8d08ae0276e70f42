#include "sheet/open_programs_win.h"

#include <algorithm>
#include <utility>

#include "bridge/foreground_watch_win.h"

namespace sheet {
namespace {

// A window of each other process that shows a visible, titled top-level window.
BOOL CALLBACK CollectWindow(HWND window, LPARAM lp) {
  auto& found = *reinterpret_cast<std::vector<std::pair<DWORD, HWND>>*>(lp);
  if (!::IsWindowVisible(window) || ::GetWindowTextLengthA(window) == 0) return TRUE;
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  if (pid == 0 || pid == ::GetCurrentProcessId()) return TRUE;
  if (std::none_of(found.begin(), found.end(), [pid](const auto& f) { return f.first == pid; }))
    found.emplace_back(pid, window);
  return TRUE;
}

}  // namespace

std::vector<std::string> OpenWindowPrograms() {
  std::vector<std::pair<DWORD, HWND>> found;
  ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&found));
  std::vector<std::string> names;
  for (const auto& f : found) {
    std::string name = bridge::ProgramOfWindow(f.second);
    if (!name.empty()) names.push_back(std::move(name));
  }
  return names;
}

}  // namespace sheet
