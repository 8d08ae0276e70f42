// The programs whose windows are open now, for the programs page's add menu.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace sheet {

// The file names of the programs that show a visible top-level window with a
// title, this process excepted, as the foreground switch names them (in the
// code page); each process once. A process whose file cannot be read, or
// whose name has no spelling in the code page (it can have no settings), is
// left out.
std::vector<std::string> OpenWindowPrograms();

}  // namespace sheet
