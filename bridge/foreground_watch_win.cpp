#include "bridge/foreground_watch_win.h"

#include "framework/wide_text_win.h"

namespace bridge {
namespace {

// The report carries no context: out-of-context reports come to the thread
// that installed the hook, so each thread keeps its own watch here.
thread_local ForegroundWatch* t_watch = nullptr;

}  // namespace

std::string ProgramOfWindow(HWND window) {
  DWORD pid = 0;
  if (!window || !::GetWindowThreadProcessId(window, &pid) || !pid) return std::string();
  const fw::UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
  if (!process) return std::string();
  wchar_t path[MAX_PATH * 4] = {};
  DWORD length = static_cast<DWORD>(sizeof path / sizeof path[0]);
  if (!::QueryFullProcessImageNameW(process.get(), 0, path, &length)) return std::string();
  std::wstring wide(path, length);
  const std::size_t cut = wide.find_last_of(L"\\/");
  if (cut != std::wstring::npos) wide.erase(0, cut + 1);
  if (wide.empty()) return std::string();
  // Stored names are in the code page (the registry's narrow calls); a name
  // that has no spelling there can have no settings.
  bool lossy = false;
  const std::string name = fw::CodePageText(wide, &lossy);
  if (lossy) return std::string();
  return name;
}

void ForegroundWatch::Start() {
  if (m_hook) return;
  t_watch = this;
  m_hook.reset(::SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, &ForegroundWatch::OnEvent,
                                 0, 0, WINEVENT_OUTOFCONTEXT));
  Choose(::GetForegroundWindow());
}

void ForegroundWatch::Stop() {
  m_hook.reset();
  if (t_watch == this) t_watch = nullptr;
}

void CALLBACK ForegroundWatch::OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG, DWORD, DWORD) {
  if (event != EVENT_SYSTEM_FOREGROUND || !t_watch) return;
  t_watch->Choose(window);
}

void ForegroundWatch::Choose(HWND window) {
  // Reports of one window in a row (activation back and forth inside a
  // program) need no second look at its process.
  if (window && window == m_last) return;
  m_last = window;
  m_settings.SelectProgram(ProgramOfWindow(window));
}

}  // namespace bridge
