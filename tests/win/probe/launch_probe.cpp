// A stand-in program for launcher tests: appends the path it was started as and
// its command line to %TEMP%\zyfo-launch-probe.txt, then ends.
#include <windows.h>

#include <cstdio>

int main() {
  char path[MAX_PATH] = {}, temp[MAX_PATH] = {}, log[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  ::GetTempPathA(MAX_PATH, temp);
  std::snprintf(log, sizeof log, "%szyfo-launch-probe.txt", temp);
  if (FILE* file = std::fopen(log, "a")) {
    std::fprintf(file, "%s|%s\n", path, ::GetCommandLineA());
    std::fclose(file);
  }
  return 0;
}
