// The programs whose windows are open now, for the programs page's add menu,
// and the names of program files in the code page the settings store them in.
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

// A path in the system's code page. A character without a spelling there
// becomes "?", never a look-alike letter, so that such a name is refused
// rather than stored under a name no program has.
std::string CodePageText(const std::wstring& wide);

}  // namespace sheet
