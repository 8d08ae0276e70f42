// What a click on a launcher slot starts, and the icon the slot shows, for
// every kind of text a user can put there, over a stand-in file system.
#include "launcher/launch_rule.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

using launcher::IconChoice;
using launcher::Launch;

class FakeSurroundings : public launcher::LaunchSurroundings {
 public:
  bool FileExists(const std::string& path) const override { return files.count(path) != 0; }
  bool IsDirectory(const std::string& path) const override { return folders.count(path) != 0; }
  std::string ExpandEnvironment(const std::string& text) const override {
    std::string out = text;
    for (const auto& [name, value] : environment) {
      for (std::size_t at; (at = out.find(name)) != std::string::npos;) out.replace(at, name.size(), value);
    }
    return out;
  }
  std::string FindProgram(const std::string& name) const override {
    const auto found = searchPath.find(name);
    return found == searchPath.end() ? std::string() : found->second;
  }

  std::set<std::string> files = {"C:\\Program Files\\Tool\\tool.exe", "C:\\Program.exe", "C:\\Tools\\tool.exe",
                                 "C:\\Tools\\run.BAT", "C:\\windows\\notepad.exe", "C:\\Docs\\report 1.txt",
                                 "C:\\Docs\\Tool.lnk"};
  std::set<std::string> folders = {"C:\\Docs", "C:\\My Folder"};
  std::map<std::string, std::string> environment = {{"%SystemRoot%", "C:\\windows"}};
  std::map<std::string, std::string> searchPath = {{"notepad.exe", "C:\\windows\\notepad.exe"},
                                                   {"calc", "C:\\windows\\system32\\calc.exe"}};
};

// "program:<file>|<args>" ("|<args>" only when there are any), "document:...",
// "folder:...", "url:...", "predefined:<slot>:<program>" or "nothing".
std::string Text(const Launch& launch) {
  static const char* const kKinds[] = {"nothing", "predefined:", "program:", "document:", "folder:", "url:"};
  const std::string kind = kKinds[static_cast<int>(launch.kind)];
  if (launch.kind == Launch::Kind::Nothing) return kind;
  if (launch.kind == Launch::Kind::Predefined) return kind + std::to_string(launch.slot) + ":" + launch.file;
  return kind + launch.file + (launch.args.empty() ? "" : "|" + launch.args);
}

// "res:<id>", "file:<path>", "protocol:<name>" or "none".
std::string Text(const IconChoice& icon) {
  static const char* const kKinds[] = {"res:", "file:", "protocol:", "none"};
  const bool resource = icon.kind == IconChoice::Kind::Resource;
  return kKinds[static_cast<int>(icon.kind)] + (resource ? std::to_string(icon.resourceId) : icon.target);
}

struct Row {
  int page, index;
  const char* text;  // stored in every slot
  const char* launch;
  const char* popupIcon;
  const char* previewIcon;  // "=" when the same as the popup's
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.page << "/" << row.index << " '" << row.text << "'"; }

// clang-format off
const Row kRows[] = {
  // The predefined page compares names, each in its own slot only, byte for byte.
  {1, 9, "Calculator", "predefined:9:calc.exe", "res:186", "="},
  {1, 2, "Volume Control", "nothing", "none", "res:1013"},
  {1, 1, "volume control", "nothing", "none", "="},
  {2, 3, "Calculator", "nothing", "none", "res:186"},
  // Unassigned and empty slots.
  {2, 1, " ", "nothing", "res:188", "none"},
  {1, 4, "   ", "nothing", "none", "="},
  // Programs: a path with blanks is one name; a missing one starts nothing,
  // whatever its first word names.
  {2, 4, "C:\\Program Files\\Tool\\tool.exe", "program:C:\\Program Files\\Tool\\tool.exe", "file:C:\\Program Files\\Tool\\tool.exe", "="},
  {2, 5, "C:\\Program Files\\Gone Tool\\gone.exe", "nothing", "none", "="},
  {2, 5, "C:\\Program Files\\Tool\\tool.exe --flag", "nothing", "none", "="},
  {2, 6, "C:\\Program.exe", "program:C:\\Program.exe", "file:C:\\Program.exe", "="},
  {2, 6, "C:\\Program", "nothing", "none", "="},
  {2, 7, "\"C:\\Program Files\\Tool\\tool.exe\" --flag x", "program:C:\\Program Files\\Tool\\tool.exe|--flag x", "file:C:\\Program Files\\Tool\\tool.exe", "="},
  {2, 7, "\"C:\\Program Files\\Gone\\gone.exe\" --flag", "nothing", "none", "="},
  {2, 7, "\"C:\\Program Files\\Tool\\tool.exe", "program:C:\\Program Files\\Tool\\tool.exe", "file:C:\\Program Files\\Tool\\tool.exe", "="},
  {2, 8, "C:\\Tools\\tool.exe --flag", "program:C:\\Tools\\tool.exe|--flag", "file:C:\\Tools\\tool.exe", "="},
  {2, 8, "C:\\Tools\\run.BAT a b", "program:C:\\Tools\\run.BAT|a b", "file:C:\\Tools\\run.BAT", "="},
  {2, 8, "  C:\\Tools\\tool.exe  ", "program:C:\\Tools\\tool.exe", "file:C:\\Tools\\tool.exe", "="},
  // Names on the search path, found before they start; environment variables.
  {2, 9, "notepad.exe C:\\x.txt", "program:C:\\windows\\notepad.exe|C:\\x.txt", "file:C:\\windows\\notepad.exe", "="},
  {2, 9, "calc", "program:C:\\windows\\system32\\calc.exe", "file:C:\\windows\\system32\\calc.exe", "="},
  {2, 9, "gone --flag", "nothing", "none", "="},
  {2, 9, "%SystemRoot%\\notepad.exe", "program:C:\\windows\\notepad.exe", "file:C:\\windows\\notepad.exe", "="},
  // Documents, shortcuts and folders open as Explorer opens them.
  {2, 2, "C:\\Docs\\report 1.txt", "document:C:\\Docs\\report 1.txt", "file:C:\\Docs\\report 1.txt", "="},
  {2, 2, "C:\\My Folder", "folder:C:\\My Folder", "file:C:\\My Folder", "="},
  {2, 2, "\"C:\\Docs\"", "folder:C:\\Docs", "file:C:\\Docs", "="},
  // Addresses of any protocol go to the shell whole.
  {1, 3, "https://example.org/a b", "url:https://example.org/a b", "protocol:https", "="},
  {1, 3, "zyfo-probe:hello", "url:zyfo-probe:hello", "protocol:zyfo-probe", "="},
  // No such entry of the popup.
  {2, 10, "C:\\Tools\\tool.exe", "nothing", "file:C:\\Tools\\tool.exe", "="},
};
// clang-format on

class LaunchRule : public testing::TestWithParam<Row> {};

TEST_P(LaunchRule, StartsWhatTheTextNamesOrNothingAndShowsItsIcon) {
  const Row& row = GetParam();
  const FakeSurroundings system;
  launcher::Table texts;
  texts.fill(row.text);
  EXPECT_EQ(Text(launcher::DecideLaunch(row.page, row.index, texts, system)), row.launch);
  // The icon is the one of the slot clicked; for a missing entry, of slot 1.
  const int slot = launcher::SlotOf(row.page, row.index) > 0 ? launcher::SlotOf(row.page, row.index) : 1;
  EXPECT_EQ(Text(launcher::PopupIconFor(slot, row.text, system)), row.popupIcon);
  const std::string preview = row.previewIcon == std::string("=") ? row.popupIcon : row.previewIcon;
  EXPECT_EQ(Text(launcher::PreviewIconFor(row.text, system)), preview);
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfSlotText, LaunchRule, testing::ValuesIn(kRows));

}  // namespace
