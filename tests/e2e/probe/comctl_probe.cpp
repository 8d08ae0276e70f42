// Ends with 1 when the common controls it gets are Wine's side-by-side copy
// (version 6), 0 when they are the system folder's (version 5). Built without a
// manifest: it shows what a program gets that does not ask for version 6.
#include <windows.h>

#include <commctrl.h>

#include <cctype>
#include <string>

int main() {
  ::InitCommonControls();
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(::GetModuleHandleA("comctl32.dll"), path, MAX_PATH);
  std::string lower(path);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower.find("\\winsxs\\") != std::string::npos ? 1 : 0;
}
