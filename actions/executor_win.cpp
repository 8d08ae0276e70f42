#include "actions/executor_win.h"

#include <shellapi.h>
#include <shldisp.h>
#include <shlobj.h>

#include <type_traits>

namespace actions {

void SystemInput::MouseEvent(DWORD flags, DWORD dx, DWORD dy, DWORD data) { ::mouse_event(flags, dx, dy, data, 0); }

void SystemInput::KeyEvent(BYTE vk, DWORD flags) { ::keybd_event(vk, 0, flags, 0); }

POINT SystemInput::CursorPos() {
  POINT point{};
  ::GetCursorPos(&point);
  return point;
}

void Executor::OnButtonEvent(int eventCode, plan::Notification notification, const plan::ButtonTable& buttons,
                             const plan::MacroTable& macros) {
  Perform(plan::PlanForEvent(eventCode, notification, buttons, macros));
}

void Executor::Perform(const std::vector<plan::Op>& ops) {
  for (const plan::Op& op : ops) PerformOne(op);
}

void Executor::ReleaseHeld() { Perform(m_held.ReleaseAll()); }

void Executor::PerformOne(const plan::Op& op) {
  m_held.Track(op);
  std::visit(
      [this](const auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, plan::MouseOp>) {
          POINT at{0, 0};
          if (o.atCursor) at = m_input.CursorPos();
          // Neither MOVE nor ABSOLUTE is set: the event acts where the pointer is.
          m_input.MouseEvent(o.flags, static_cast<DWORD>(at.x), static_cast<DWORD>(at.y), o.data);
        } else if constexpr (std::is_same_v<T, plan::KeyOp>) {
          m_input.KeyEvent(o.vk, o.flags);
        } else if constexpr (std::is_same_v<T, plan::PostToForeground>) {
          PostToForeground(o);
        } else if constexpr (std::is_same_v<T, plan::ShellOp>) {
          m_host.Shell(o.action);
        } else if constexpr (std::is_same_v<T, plan::PopupOp>) {
          m_host.OpenLauncher();
        } else if constexpr (std::is_same_v<T, plan::ShowResolutionOp>) {
          m_host.ShowResolution(o.level);
        }
      },
      op);
}

void Executor::PostToForeground(const plan::PostToForeground& post) {
  HWND window = ::GetForegroundWindow();
  if (!window) return;
  char className[100] = {};
  ::GetClassNameA(window, className, sizeof className);
  bool minimised = (::GetWindowLongA(window, GWL_STYLE) & WS_MINIMIZE) != 0;
  if (!plan::RuleAllowsWindow(post.rule, className, minimised)) return;
  ::PostMessageA(window, post.message, static_cast<WPARAM>(post.wParam), static_cast<LPARAM>(post.lParam));
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
  IMalloc* allocator = nullptr;
  if (SUCCEEDED(::SHGetMalloc(&allocator)) && allocator) {
    allocator->Free(drives);
    allocator->Release();
  }
}

void ToggleDesktop(IShellDispatch* shell) {
  // "Show Desktop.scf" toggled the desktop on older systems; current ones have no
  // such file on the search path, so the shell object's own toggle stands in.
  if (reinterpret_cast<INT_PTR>(::ShellExecuteA(nullptr, "open", "Show Desktop.scf", nullptr, nullptr,
                                                SW_SHOWNORMAL)) > 32)
    return;
  if (!shell) return;
  IShellDispatch4* shell4 = nullptr;
  if (SUCCEEDED(shell->QueryInterface(IID_IShellDispatch4, reinterpret_cast<void**>(&shell4))) && shell4) {
    shell4->ToggleDesktop();
    shell4->Release();
  }
}

}  // namespace

void PerformShellAction(plan::ShellAction action, IShellDispatch* shell) {
  switch (action) {
    case plan::ShellAction::OpenDrivesFolder:
      OpenDrivesFolder();
      break;
    case plan::ShellAction::FindComputer:
      if (shell) shell->FindComputer();
      break;
    case plan::ShellAction::FindFiles:
      if (shell) shell->FindFiles();
      break;
    case plan::ShellAction::FileRun:
      if (shell) shell->FileRun();
      break;
    case plan::ShellAction::ShowDesktop:
      ToggleDesktop(shell);
      break;
  }
}

}  // namespace actions
