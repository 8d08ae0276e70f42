#include "tests/support/program.h"

#include <psapi.h>

#include "res/identity.h"
#include "res/resource.h"
#include "tests/support/wine_support.h"

namespace e2e {

namespace {
// The program's path in the build folder.
std::string ProgramPath() { return testsupport::ProgramFolder() + "\\Pelrand.exe"; }
}  // namespace

Program::Program(std::string exePath) : m_exePath(exePath.empty() ? ProgramPath() : std::move(exePath)) {}

Program::~Program() {
  if (Running() && !Exit(5000)) {
    ::TerminateProcess(m_process.hProcess, 1);
    ::WaitForSingleObject(m_process.hProcess, 5000);
  }
  if (m_process.hProcess) ::CloseHandle(m_process.hProcess);
  if (m_process.hThread) ::CloseHandle(m_process.hThread);
}

bool Program::Start() {
  if (m_process.hProcess) ::CloseHandle(m_process.hProcess);
  if (m_process.hThread) ::CloseHandle(m_process.hThread);
  return testsupport::StartCommand("\"" + m_exePath + "\"", m_exePath.substr(0, m_exePath.find_last_of('\\')),
                                   &m_process);
}

bool Program::StartAndWait(DWORD timeoutMs) {
  if (!Start()) return false;
  if (!testsupport::PumpUntil([this] { return Frame() && Dispatch(); }, timeoutMs)) return false;
  // The dispatch window exists before the worker thread installs the hooks; a
  // sent message is answered only once that thread pumps, i.e. after the hooks.
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutA(Dispatch(), WM_NULL, 0, 0, SMTO_BLOCK, timeoutMs, &result) != 0;
}

bool Program::Running() const {
  return m_process.hProcess && ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::WaitForExit(DWORD timeoutMs) const {
  if (!m_process.hProcess) return true;
  return testsupport::PumpUntil([this] { return !Running(); }, timeoutMs);
}

DWORD Program::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (m_process.hProcess) ::GetExitCodeProcess(m_process.hProcess, &code);
  return code;
}

bool Program::Exit(DWORD timeoutMs) {
  HWND frame = Frame();
  if (frame) ::PostMessageA(frame, WM_COMMAND, ID_APP_EXIT, 0);
  return WaitForExit(timeoutMs);
}

namespace {
bool Titled(HWND hwnd, const char* title) {
  char text[256] = {};
  ::GetWindowTextA(hwnd, text, sizeof text);
  return lstrcmpA(text, title) == 0;
}
}  // namespace

HWND Program::FindOwnWindow(const char* title) const {
  if (!Running()) return nullptr;
  for (HWND hwnd : testsupport::TopLevelWindows(m_process.dwProcessId))
    if (Titled(hwnd, title)) return hwnd;
  return nullptr;
}

HWND Program::Frame() const { return FindOwnWindow(res::kFrameTitle); }
HWND Program::Dispatch() const { return FindOwnWindow(res::kDispatchTitle); }

int CountWindowsTitled(const char* title) {
  int count = 0;
  for (HWND hwnd : testsupport::TopLevelWindows()) count += Titled(hwnd, title) ? 1 : 0;
  return count;
}

DWORD ProcessOf(HWND hwnd) {
  DWORD pid = 0;
  if (hwnd) ::GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

std::string ImagePathOf(DWORD pid) {
  HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (!process) return std::string();
  char path[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  const bool ok = ::QueryFullProcessImageNameA(process, 0, path, &size) != FALSE;
  ::CloseHandle(process);
  return ok ? std::string(path, size) : std::string();
}

std::vector<std::string> LoadedModules(DWORD pid) {
  std::vector<std::string> paths;
  HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) return paths;
  HMODULE modules[512];
  DWORD bytes = 0;
  if (::EnumProcessModules(process, modules, sizeof modules, &bytes)) {
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 512; ++i) {
      char path[MAX_PATH] = {};
      if (::GetModuleFileNameExA(process, modules[i], path, MAX_PATH)) paths.emplace_back(path);
    }
  }
  ::CloseHandle(process);
  return paths;
}

void EndAllInstances() {
  for (int attempt = 0; attempt < 20; ++attempt) {
    HWND frame = ::FindWindowA(nullptr, res::kFrameTitle);
    if (!frame) return;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(frame, &pid);
    HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    ::PostMessageA(frame, WM_COMMAND, ID_APP_EXIT, 0);
    if (process) {
      if (::WaitForSingleObject(process, 3000) == WAIT_TIMEOUT) ::TerminateProcess(process, 1);
      ::WaitForSingleObject(process, 3000);
      ::CloseHandle(process);
    }
  }
}

}  // namespace e2e
