// A stand-in control panel applet "main.cpl" for the tray frame's mouse-panel
// command: when the panel is opened it appends a line to %TEMP%\zyfo-main-cpl.txt.
#include <windows.h>

#include <cpl.h>

#include <cstdio>

namespace {
void Note(const char* what) {
  char temp[MAX_PATH] = {}, log[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  std::snprintf(log, sizeof log, "%szyfo-main-cpl.txt", temp);
  if (FILE* file = std::fopen(log, "a")) {
    std::fprintf(file, "%s\n", what);
    std::fclose(file);
  }
}
}  // namespace

// The entry point the control panel looks up by name.
extern "C" __declspec(dllexport) LONG APIENTRY CPlApplet(HWND window, UINT message, LPARAM lParam1, LPARAM lParam2);

extern "C" __declspec(dllexport) LONG APIENTRY CPlApplet(HWND, UINT message, LPARAM, LPARAM lParam2) {
  switch (message) {
    case CPL_INIT:
      return TRUE;
    case CPL_GETCOUNT:
      return 1;
    case CPL_INQUIRE: {
      auto* info = reinterpret_cast<CPLINFO*>(lParam2);
      info->idIcon = CPL_DYNAMIC_RES;
      info->idName = CPL_DYNAMIC_RES;
      info->idInfo = CPL_DYNAMIC_RES;
      info->lData = 0;
      return 0;
    }
    case CPL_NEWINQUIRE: {
      auto* info = reinterpret_cast<NEWCPLINFOA*>(lParam2);
      ZeroMemory(info, sizeof *info);
      info->dwSize = sizeof *info;
      lstrcpyA(info->szName, "Mouse");
      return 0;
    }
    case CPL_DBLCLK:
    case CPL_STARTWPARMSA:
      Note("opened");
      return 0;
    default:
      return 0;
  }
}
