// What a click on a launcher slot starts: the predefined program, or whatever
// the slot's text names, opened the way Explorer would open it. Portable: the
// file system and the environment are asked through LaunchSurroundings.
#pragma once

#include <string>

#include "launcher/shortcut_table.h"

namespace launcher {

// The little the rule needs to know about the machine it runs on. Paths and
// texts are UTF-8.
class LaunchSurroundings {
 public:
  virtual ~LaunchSurroundings() = default;
  virtual bool FileExists(const std::string& path) const = 0;   // an existing file, not a folder
  virtual bool IsDirectory(const std::string& path) const = 0;
  virtual std::string ExpandEnvironment(const std::string& text) const = 0;  // "%SystemRoot%\x" -> "C:\windows\x"
  // Full path of a bare program name ("notepad.exe", "calc") found on the
  // system's search path, empty when there is none.
  virtual std::string FindProgram(const std::string& name) const = 0;
};

struct Launch {
  enum class Kind {
    Nothing,
    Predefined,  // slot's predefined row: its program through the shell, or its stand-in
    Program,     // file = full path of the program, args = its arguments
    Document,    // file = a document, .lnk or .url file, opened with its type's program
    Folder,      // file = a folder, opened in the file manager
    Url,         // file = the whole address ("https://...", "mailto:...", any registered protocol)
  } kind = Kind::Nothing;
  std::string file;
  std::string args;
  int slot = 0;  // for Predefined
};

// The meaning of a slot text that is not a predefined name. Never splits a
// program path at a blank unless the part before it is an existing program,
// so "C:\Program Files\Gone\gone.exe" (missing) starts nothing, not "C:\Program.exe".
Launch ResolveCommandLine(const std::string& text, const LaunchSurroundings& surroundings);

struct IconChoice {
  enum class Kind {
    Resource,    // resourceId, one of the program's own icons
    OfFile,      // the shell's icon of `target`: a program's own, a document's type, a folder
    OfProtocol,  // the icon of the program registered for the protocol `target` ("https")
    None,
  } kind = Kind::None;
  int resourceId = 0;
  std::string target;
};

// What a click on entry `index` (1..9) of launcher page `page` (1..2) starts.
Launch DecideLaunch(int page, int index, const Table& texts, const LaunchSurroundings& surroundings);

// The icon the popup shows for slot 1..18 holding `text`: a predefined name's
// resource in its own slot, 188 for a blank slot, else the shell's icon of what
// the text would open.
IconChoice PopupIconFor(int slot, const std::string& text, const LaunchSurroundings& surroundings);

// The icon the settings page previews for a row holding `text`: a predefined
// name's icon in whichever row, none for an empty or blank row, else the
// shell's icon of what the text would open.
IconChoice PreviewIconFor(const std::string& text, const LaunchSurroundings& surroundings);

}  // namespace launcher
