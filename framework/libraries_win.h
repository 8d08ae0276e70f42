// Where the program's libraries come from. A library looked for by its bare
// name is searched for along the whole path when it is not beside the
// program; a planted library of that name would then run inside a process
// that sees every key. So every library is loaded by its full path, and the
// process's own search is limited to the system folder and the program's.
#pragma once

#include <windows.h>

namespace fw {

// As early as possible in the process: libraries found by name from now on
// (the system's own delay-loaded ones included) come only from the system
// folder or the program's folder. Resolved at run time, since older systems
// lack it.
void RestrictLibrarySearch();
// fileName from the program's own folder, or null when it is not there: it is
// never looked for anywhere else.
HMODULE LoadOwnLibrary(const char* fileName);
// fileName from the system folder only.
HMODULE LoadSystemLibrary(const char* fileName);

}  // namespace fw
