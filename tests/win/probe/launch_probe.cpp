// A stand-in program for launcher tests: appends the path it was started as, its
// command line (both UTF-8) and the foreground lock timeout that a newly started
// program finds, "<path>|<command line>|<timeout>", to %TEMP%\zyfo-launch-probe.txt.
// With --slow it is a program that takes long to come up: it neither answers
// nor asks for input for three seconds before it writes its line, so anyone
// who waits for it to become idle (WaitForInputIdle, WinExec) waits that long.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {
std::string Utf8(const wchar_t* text) {
  char buffer[4096] = {};
  ::WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer - 1, nullptr, nullptr);
  return buffer;
}
}  // namespace

int main() {
  const wchar_t* commandLine = ::GetCommandLineW();
  if (std::wcsstr(commandLine, L"--slow")) {
    ::Sleep(3000);
    // Now it takes input like any window program, which ends a wait for idleness.
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
  }
  wchar_t path[MAX_PATH] = {}, temp[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  ::GetTempPathW(MAX_PATH, temp);
  const std::wstring log = std::wstring(temp) + L"zyfo-launch-probe.txt";
  DWORD lockTimeout = 0;
  ::SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &lockTimeout, 0);
  if (FILE* file = ::_wfopen(log.c_str(), L"ab")) {
    std::fprintf(file, "%s|%s|%lu\n", Utf8(path).c_str(), Utf8(commandLine).c_str(), lockTimeout);
    std::fclose(file);
  }
  return 0;
}
