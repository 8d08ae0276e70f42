#include "framework/libraries_win.h"

#include <string>

namespace fw {
namespace {
// Not in every MinGW header set (they need _WIN32_WINNT 0x0602); the values are the system's.
constexpr DWORD kSearchDllLoadDir = 0x00000100;     // LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR
constexpr DWORD kSearchApplicationDir = 0x00000200;  // LOAD_LIBRARY_SEARCH_APPLICATION_DIR
constexpr DWORD kSearchSystem32 = 0x00000800;        // LOAD_LIBRARY_SEARCH_SYSTEM32

// Whether the system knows the LOAD_LIBRARY_SEARCH_* flags (Windows 8, or 7 with
// its update; Wine does): without them LoadLibraryEx refuses every call.
bool g_searchFlags = false;

std::string ProgramFolder() {
  char path[MAX_PATH * 2];
  const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return std::string();
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}
}  // namespace

void RestrictLibrarySearch() {
  typedef BOOL(WINAPI * SetDefaultDllDirectoriesFn)(DWORD);
  const auto set = reinterpret_cast<SetDefaultDllDirectoriesFn>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
  g_searchFlags = set && set(kSearchSystem32 | kSearchApplicationDir);
  // Without it, at least the current folder leaves the search.
  if (!g_searchFlags) ::SetDllDirectoryA("");
}

HMODULE LoadOwnLibrary(const char* fileName) {
  const std::string folder = ProgramFolder();
  if (folder.empty()) return nullptr;
  const std::string path = folder + fileName;
  // What the library itself imports is looked for beside it and in the system folder.
  if (g_searchFlags) return ::LoadLibraryExA(path.c_str(), nullptr, kSearchDllLoadDir | kSearchSystem32);
  return ::LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

HMODULE LoadSystemLibrary(const char* fileName) {
  if (g_searchFlags) return ::LoadLibraryExA(fileName, nullptr, kSearchSystem32);
  char path[MAX_PATH];
  const UINT length = ::GetSystemDirectoryA(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return ::LoadLibraryA((std::string(path, length) + "\\" + fileName).c_str());
}

}  // namespace fw
