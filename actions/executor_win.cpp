#include "actions/executor_win.h"

#include <shellapi.h>
#include <shldisp.h>
#include <shlobj.h>

#include <type_traits>

#include "framework/handles_win.h"

namespace actions {

void SystemInput::MouseEvent(std::uint32_t flags, std::int32_t dx, std::int32_t dy, std::uint32_t data) {
  ::mouse_event(flags, static_cast<DWORD>(dx), static_cast<DWORD>(dy), data, 0);
}

void SystemInput::KeyEvent(std::uint8_t vk, std::uint32_t flags) { ::keybd_event(vk, 0, flags, 0); }

CursorPoint SystemInput::CursorPos() {
  POINT point{};
  ::GetCursorPos(&point);
  return CursorPoint{point.x, point.y};
}

std::optional<WindowFacts> SystemForeground::Foreground() {
  HWND window = ::GetForegroundWindow();
  if (!window) return std::nullopt;
  char className[100] = {};
  ::GetClassNameA(window, className, sizeof className);
  const bool minimised = (::GetWindowLongA(window, GWL_STYLE) & WS_MINIMIZE) != 0;
  return WindowFacts{reinterpret_cast<std::uintptr_t>(window), className, minimised};
}

void SystemForeground::Post(std::uintptr_t window, std::uint32_t message, std::uint64_t wParam, std::int64_t lParam) {
  ::PostMessageA(reinterpret_cast<HWND>(window), message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
}

namespace {

void OpenDrivesFolder() {
  LPITEMIDLIST drives = nullptr;
  if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives)) || !drives) return;
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_IDLIST;
  info.nShow = SW_SHOWNORMAL;
  info.lpIDList = drives;
  ::ShellExecuteExA(&info);
  fw::ComPtr<IMalloc> allocator;
  if (SUCCEEDED(::SHGetMalloc(allocator.Put())) && allocator) allocator->Free(drives);
}

void ToggleDesktop(IShellDispatch* shell) {
  // "Show Desktop.scf" toggled the desktop on older systems; current ones have no
  // such file on the search path, so the shell object's own toggle stands in.
  if (reinterpret_cast<INT_PTR>(::ShellExecuteA(nullptr, "open", "Show Desktop.scf", nullptr, nullptr,
                                                SW_SHOWNORMAL)) > 32)
    return;
  if (!shell) return;
  fw::ComPtr<IShellDispatch4> shell4;
  if (SUCCEEDED(shell->QueryInterface(IID_IShellDispatch4, shell4.PutVoid())) && shell4) shell4->ToggleDesktop();
}

}  // namespace

void PerformShellAction(ShellAction action, IShellDispatch* shell) {
  switch (action) {
    case ShellAction::OpenDrivesFolder:
      OpenDrivesFolder();
      break;
    case ShellAction::FindComputer:
      if (shell) shell->FindComputer();
      break;
    case ShellAction::FindFiles:
      if (shell) shell->FindFiles();
      break;
    case ShellAction::FileRun:
      if (shell) shell->FileRun();
      break;
    case ShellAction::ShowDesktop:
      ToggleDesktop(shell);
      break;
  }
}

}  // namespace actions
