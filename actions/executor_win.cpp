#include "actions/executor_win.h"

#include <shellapi.h>
#include <shldisp.h>
#include <shlobj.h>

#include <type_traits>

#include "framework/handles_win.h"

namespace actions {

void SystemInput::MouseEvent(DWORD flags, DWORD dx, DWORD dy, DWORD data) { ::mouse_event(flags, dx, dy, data, 0); }

void SystemInput::KeyEvent(BYTE vk, DWORD flags) { ::keybd_event(vk, 0, flags, 0); }

POINT SystemInput::CursorPos() {
  POINT point{};
  ::GetCursorPos(&point);
  return point;
}

void Executor::OnButtonEvent(int eventCode, Notification notification, const ButtonTable& buttons,
                             const MacroTable& macros) {
  const std::optional<int> code = m_buttons.Take(eventCode, notification, buttons);
  if (!code) return;
  const bool held = HoldsInput(*code);
  for (const Op& op : PlanForFunction(*code, notification, macros)) Perform(op, held);
}

void Executor::ReleaseHeld(bool workerStopped) {
  std::unique_lock<std::timed_mutex> lock(m_inputLock, std::defer_lock);
  // A stopped worker may have been stopped holding the lock: it will never
  // touch the record again, so it is read all the same.
  if (!lock.try_lock_for(std::chrono::milliseconds(workerStopped ? 100 : 1000)) && !workerStopped) return;
  for (const Op& op : m_held.ReleaseAll()) Send(op);
}

void Executor::Perform(const Op& op, bool heldFunction) {
  if (std::holds_alternative<KeyOp>(op) || std::holds_alternative<MouseOp>(op)) {
    std::lock_guard<std::timed_mutex> lock(m_inputLock);
    if (m_held.Admit(op, heldFunction)) Send(op);
    return;
  }
  std::visit(
      [this](const auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, PostToForeground>) {
          PostToForegroundWindow(o);
        } else if constexpr (std::is_same_v<T, ShellOp>) {
          m_host.Shell(o.action);
        } else if constexpr (std::is_same_v<T, PopupOp>) {
          m_host.OpenLauncher();
        }
      },
      op);
}

void Executor::Send(const Op& op) {
  if (const auto* mouse = std::get_if<MouseOp>(&op)) {
    POINT at{0, 0};
    if (mouse->atCursor) at = m_input.CursorPos();
    // Neither MOVE nor ABSOLUTE is set: the event acts where the pointer is.
    m_input.MouseEvent(mouse->flags, static_cast<DWORD>(at.x), static_cast<DWORD>(at.y), mouse->data);
  } else if (const auto* key = std::get_if<KeyOp>(&op)) {
    m_input.KeyEvent(key->vk, key->flags);
  }
}

void Executor::PostToForegroundWindow(const actions::PostToForeground& post) {
  HWND window = ::GetForegroundWindow();
  if (!window) return;
  char className[100] = {};
  ::GetClassNameA(window, className, sizeof className);
  bool minimised = (::GetWindowLongA(window, GWL_STYLE) & WS_MINIMIZE) != 0;
  if (!RuleAllowsWindow(post.rule, className, minimised)) return;
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
