// A library in three roles for the resilience scenario. Under a maker
// library's name on the path it is a decoy that leaves a note beside itself for
// every program that loads it ("<its path>.<program>.loaded"). Run by rundll32,
// LeaveMouseHook ends its process with a low-level mouse hook in place, which
// under Wine stops every low-level hook installed before it from being called:
// what the system's silent removal of a slow hook does on Windows. RefuseFrame
// is a CBT hook that refuses the program's tray frame its window.
#include <windows.h>

#include <string>

extern "C" {
__declspec(dllexport) void CALLBACK LeaveMouseHook(HWND, HINSTANCE, LPSTR, int);
__declspec(dllexport) void CALLBACK Record(HWND, HINSTANCE, LPSTR, int);
__declspec(dllexport) LRESULT CALLBACK RefuseFrame(int code, WPARAM wp, LPARAM lp);
}
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID);

namespace {
HMODULE g_module = nullptr;
LRESULT CALLBACK PassOn(int code, WPARAM wp, LPARAM lp) { return CallNextHookEx(nullptr, code, wp, lp); }
}  // namespace

extern "C" __declspec(dllexport) void CALLBACK LeaveMouseHook(HWND, HINSTANCE, LPSTR, int) {
  SetWindowsHookExA(WH_MOUSE_LL, PassOn, g_module, 0);
}

extern "C" __declspec(dllexport) void CALLBACK Record(HWND, HINSTANCE, LPSTR, int) {}

extern "C" __declspec(dllexport) LRESULT CALLBACK RefuseFrame(int code, WPARAM wp, LPARAM lp) {
  char name[32] = {};
  if (code == HCBT_CREATEWND && GetClassNameA(reinterpret_cast<HWND>(wp), name, sizeof name) &&
      lstrcmpA(name, "ZyfoFrame") == 0)
    return 1;
  return CallNextHookEx(nullptr, code, wp, lp);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  g_module = instance;
  char self[MAX_PATH] = {}, program[MAX_PATH] = {};
  GetModuleFileNameA(instance, self, MAX_PATH);
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  const std::string exe(program);
  const std::string note = std::string(self) + "." + exe.substr(exe.find_last_of('\\') + 1) + ".loaded";
  HANDLE file = CreateFileA(note.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return TRUE;
}
