// Programs with button functions of their own: each is named by its
// executable's file name ("firefox.exe") as the user chose it, compared
// without regard to case, and holds a whole button table. Portable: no
// Windows headers. Names are in the system's code page (Windows-1252 here),
// as the registry's narrow calls give and take them.
#pragma once

#include <string>
#include <vector>

#include "settings/schema.h"

namespace settings {

struct ProgramSetting {
  std::string name;  // as the user chose it
  ButtonTable buttons{};
};
using ProgramList = std::vector<ProgramSetting>;

// A registry key name that is also a file name: 1..255 characters, none of
// \ / : * ? " < > | and no control character.
bool IsValidProgramName(const std::string& name);
// Case-insensitive (ASCII and Windows-1252 Latin letters) equality of two file names.
bool SameProgram(const std::string& a, const std::string& b);
// Orders names as SameProgram compares them (for the list's load order).
bool ProgramNameLess(const std::string& a, const std::string& b);
// The file name part of a full path ("C:\\x\\Firefox.EXE" -> "Firefox.EXE").
std::string FileNameOfPath(const std::string& path);
// The entry for the program, or null.
const ProgramSetting* FindProgram(const ProgramList& list, const std::string& exeFileName);

}  // namespace settings
