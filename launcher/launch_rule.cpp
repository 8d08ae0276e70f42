#include "launcher/launch_rule.h"

#include <cctype>
#include <cstddef>

namespace launcher {
namespace {

using Kind = Launch::Kind;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trimmed(const std::string& text) {
  std::size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// Files that run by themselves rather than open in another program.
bool IsProgramFile(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || path.find_first_of("\\/", dot) != std::string::npos) return false;
  std::string extension;
  for (std::size_t i = dot; i < path.size(); ++i) extension += Lower(path[i]);
  return extension == ".exe" || extension == ".com" || extension == ".bat" || extension == ".cmd";
}

// A name the system looks up on its search path, as opposed to a path.
bool IsBareName(const std::string& text) { return text.find_first_of("\\/:") == std::string::npos; }

// "https" of "https://x", empty for anything else. One letter before the colon
// is a drive ("C:\x"), not a protocol.
std::string SchemeOf(const std::string& text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos || colon < 2 || !std::isalpha(static_cast<unsigned char>(text[0]))) return {};
  for (std::size_t i = 1; i < colon; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return {};
  }
  return text.substr(0, colon);
}

Launch ProgramOrDocument(const std::string& path, const std::string& args) {
  return {IsProgramFile(path) ? Kind::Program : Kind::Document, path, args};
}

// `path` as one whole name, never split.
Launch WholeName(const std::string& path, const std::string& args, const LaunchSurroundings& surroundings) {
  if (path.empty()) return {};
  if (surroundings.IsDirectory(path)) return {Kind::Folder, path, {}};
  if (surroundings.FileExists(path)) return ProgramOrDocument(path, args);
  if (IsBareName(path)) {
    const std::string found = surroundings.FindProgram(path);
    if (!found.empty()) return {Kind::Program, found, args};
  }
  return {};
}

IconChoice IconOf(const Launch& launch) {
  switch (launch.kind) {
    case Kind::Program:
    case Kind::Document:
    case Kind::Folder:
      return {IconChoice::Kind::OfFile, 0, launch.file};
    case Kind::Url:
      return {IconChoice::Kind::OfProtocol, 0, SchemeOf(launch.file)};
    case Kind::Nothing:
    case Kind::Predefined:
      break;
  }
  return {};
}

}  // namespace

Launch ResolveCommandLine(const std::string& text, const LaunchSurroundings& surroundings) {
  const std::string line = Trimmed(surroundings.ExpandEnvironment(text));
  if (line.empty()) return {};
  if (line[0] == '"') {
    const std::size_t close = line.find('"', 1);
    if (close == std::string::npos) return WholeName(line.substr(1), {}, surroundings);
    return WholeName(line.substr(1, close - 1), Trimmed(line.substr(close + 1)), surroundings);
  }
  if (!SchemeOf(line).empty()) return {Kind::Url, line, {}};
  const std::size_t blank = line.find_first_of(" \t");
  if (blank == std::string::npos) return WholeName(line, {}, surroundings);
  // Stored without quotes, a path with blanks is still one name.
  if (surroundings.IsDirectory(line)) return {Kind::Folder, line, {}};
  if (surroundings.FileExists(line)) return ProgramOrDocument(line, {});
  // Otherwise the first word is the program and the rest its arguments, but only
  // when that word is a program by itself: "C:\Program" of a missing
  // "C:\Program Files\..." is a piece of a path, whatever "C:\Program.exe" exists.
  const std::string program = line.substr(0, blank), args = Trimmed(line.substr(blank));
  if (IsBareName(program)) {
    const std::string found = surroundings.FindProgram(program);
    if (!found.empty()) return {Kind::Program, found, args};
    return {};
  }
  if (IsProgramFile(program) && surroundings.FileExists(program)) return {Kind::Program, program, args};
  return {};
}

Launch DecideLaunch(int page, int index, const Table& texts, const LaunchSurroundings& surroundings) {
  const int slot = SlotOf(page, index);
  if (slot < 0) return {};
  const std::string& text = texts[static_cast<std::size_t>(slot - 1)];
  // Only the predefined page compares names; on the user's page a text that
  // happens to read "Calculator" is a command line like any other.
  if (page == 1 && MeaningOf(slot, text) == SlotMeaning::Predefined) {
    return {Kind::Predefined, PredefinedOf(slot).program, {}, slot};
  }
  return ResolveCommandLine(text, surroundings);
}

IconChoice PopupIconFor(int slot, const std::string& text, const LaunchSurroundings& surroundings) {
  switch (MeaningOf(slot, text)) {
    case SlotMeaning::Predefined:
      return {IconChoice::Kind::Resource, PredefinedOf(slot).iconId, {}};
    case SlotMeaning::Unassigned:
      return {IconChoice::Kind::Resource, kUnassignedIcon, {}};
    case SlotMeaning::CommandLine:
      break;
  }
  return IconOf(ResolveCommandLine(text, surroundings));
}

IconChoice PreviewIconFor(const std::string& text, const LaunchSurroundings& surroundings) {
  if (int icon = PredefinedIconForName(text)) return {IconChoice::Kind::Resource, icon, {}};
  return IconOf(ResolveCommandLine(text, surroundings));
}

}  // namespace launcher
