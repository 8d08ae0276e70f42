// The programs whose windows are open now, for the programs page's add menu.
#pragma once

#include <string>
#include <vector>

namespace sheet {

// The program files (full paths, in the system's code page) of the processes
// that show a visible top-level window with a title, this process excepted;
// each process once. A process whose file cannot be read is left out.
std::vector<std::string> OpenWindowProgramFiles();

}  // namespace sheet
