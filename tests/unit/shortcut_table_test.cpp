#include "launcher/shortcut_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using launcher::DecideLaunch;
using launcher::IconChoice;
using launcher::LaunchDecision;
using launcher::SlotMeaning;
using Kind = LaunchDecision::Kind;

const char* const kSpacedPath = "C:\\Program Files\\Tool\\tool.exe";

struct PredefinedRow {
  int slot;
  const char* name;
  int icon;
  const char* program;
};

const PredefinedRow kPredefinedRows[] = {
    {1, "Volume Control", 1013, "sndvol32.exe"},
    {2, "Command Prompt", 155, "cmd.exe"},
    {3, "Control Panel", 156, "control.exe"},
    {4, "Magnifier", 157, "magnify.exe"},
    {5, "Outlook Express", 158, "msimn.exe"},
    {6, "MyDocument", 159, "USERINIT.exe"},
    {7, "Internet Explorer", 160, "wupdmgr.exe"},
    {8, "Notepad", 161, "notepad.exe"},
    {9, "Calculator", 186, "calc.exe"},
};

// A file system in which only the listed paths exist; records what was asked.
struct FakeFiles {
  std::set<std::string> existing;
  std::set<std::string> asked;
  bool operator()(const std::string& path) {
    asked.insert(path);
    return existing.count(path) != 0;
  }
};

LaunchDecision Decide(int page, int index, const launcher::Table& texts, FakeFiles& files) {
  return DecideLaunch(page, index, texts,
                      [&files](const std::string& path) { return files(path); });
}

TEST(ShortcutTable, PredefinedRowsKeepTheirNamesIconsAndPrograms) {
  for (const PredefinedRow& row : kPredefinedRows) {
    SCOPED_TRACE(row.slot);
    const launcher::Predefined& p = launcher::PredefinedOf(row.slot);
    EXPECT_STREQ(p.name, row.name);
    EXPECT_EQ(p.iconId, row.icon);
    EXPECT_STREQ(p.program, row.program);
    EXPECT_EQ(launcher::PredefinedIconForName(row.name), row.icon);
  }
  EXPECT_EQ(launcher::PredefinedIconForName("notepad"), 0);
  EXPECT_EQ(launcher::PredefinedIconForName(" "), 0);
  EXPECT_EQ(launcher::PredefinedIconForName(""), 0);
}

TEST(ShortcutTable, MeaningComparesNamesOnlyInTheirOwnSlot) {
  struct Case {
    int slot;
    std::string text;
    SlotMeaning meaning;
  };
  const Case cases[] = {
      {1, "Volume Control", SlotMeaning::Predefined},
      {9, "Calculator", SlotMeaning::Predefined},
      {2, "Volume Control", SlotMeaning::CommandLine},  // another slot's name
      {1, "volume control", SlotMeaning::CommandLine},  // case matters
      {1, "Volume Control ", SlotMeaning::CommandLine},
      {10, "Calculator", SlotMeaning::CommandLine},  // the user's page never compares
      {3, " ", SlotMeaning::Unassigned},
      {14, " ", SlotMeaning::Unassigned},
      {14, "  ", SlotMeaning::CommandLine},
      {5, "", SlotMeaning::CommandLine},
      {18, "", SlotMeaning::CommandLine},
      {12, kSpacedPath, SlotMeaning::CommandLine},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.slot << " '" << c.text << "'");
    EXPECT_EQ(launcher::MeaningOf(c.slot, c.text), c.meaning);
  }
}

TEST(ShortcutTable, SlotLabelsAreBase19Digits) {
  const char* const labels[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9",
                                "a", "b", "c", "d", "e", "f", "g", "h", "i"};
  for (int slot = 1; slot <= 18; ++slot) {
    SCOPED_TRACE(slot);
    EXPECT_EQ(launcher::SlotLabel(slot), labels[slot - 1]);
  }
  EXPECT_EQ(launcher::SlotLabel(0), "");
  EXPECT_EQ(launcher::SlotLabel(19), "");
}

TEST(ShortcutTable, SlotsNumberPageOneThenPageTwo) {
  EXPECT_EQ(launcher::SlotOf(1, 1), 1);
  EXPECT_EQ(launcher::SlotOf(1, 9), 9);
  EXPECT_EQ(launcher::SlotOf(2, 1), 10);
  EXPECT_EQ(launcher::SlotOf(2, 9), 18);
  EXPECT_EQ(launcher::SlotOf(0, 1), -1);
  EXPECT_EQ(launcher::SlotOf(3, 1), -1);
  EXPECT_EQ(launcher::SlotOf(1, 0), -1);
  EXPECT_EQ(launcher::SlotOf(2, 10), -1);
}

TEST(ShortcutTable, DefaultTableHoldsPredefinedNamesThenBlankMarkers) {
  const launcher::Table expected = {
      "Volume Control", "Command Prompt", "Control Panel", "Magnifier", "Outlook Express",
      "MyDocument", "Internet Explorer", "Notepad", "Calculator",
      " ", " ", " ", " ", " ", " ", " ", " ", " "};
  EXPECT_EQ(launcher::DefaultTable(), expected);
  EXPECT_EQ(launcher::kShortcutSlotCount, 18);
  EXPECT_STREQ(launcher::kBlankMarker, "\x20");
}

TEST(ShortcutTable, LaunchDecisionsForEveryKindOfSlotText) {
  launcher::Table texts = launcher::DefaultTable();
  texts[1] = "Volume Control";  // slot 2 holds slot 1's name
  texts[2] = "control panel";   // wrong case
  texts[3] = "";                // slot 4 emptied
  texts[4] = " ";               // slot 5 unassigned
  texts[9] = kSpacedPath;       // slot 10 (page 2, index 1): existing file
  texts[10] = "C:\\Program Files\\Gone\\gone.exe";  // slot 11: missing file
  texts[11] = "Calculator";     // slot 12: a predefined name on the user's page
  texts[12] = "notepad.exe C:\\x.txt";              // slot 13: command line
  // slots 14..18 keep the blank marker
  FakeFiles files;
  files.existing = {kSpacedPath, "Calculator"};

  struct Case {
    int page;
    int index;
    Kind kind;
    std::string target;
  };
  const Case cases[] = {
      {1, 1, Kind::OpenPredefined, "sndvol32.exe"},
      {1, 6, Kind::OpenPredefined, "USERINIT.exe"},
      {1, 7, Kind::OpenPredefined, "wupdmgr.exe"},
      {1, 9, Kind::OpenPredefined, "calc.exe"},
      {1, 2, Kind::RunCommandLine, "Volume Control"},
      {1, 3, Kind::RunCommandLine, "control panel"},
      {1, 4, Kind::Nothing, ""},
      {1, 5, Kind::Nothing, ""},
      {2, 1, Kind::StartFile, kSpacedPath},
      {2, 2, Kind::RunCommandLine, "C:\\Program Files\\Gone\\gone.exe"},
      {2, 3, Kind::StartFile, "Calculator"},  // a file that happens to be called so
      {2, 4, Kind::RunCommandLine, "notepad.exe C:\\x.txt"},
      {2, 5, Kind::Nothing, ""},
      {2, 9, Kind::Nothing, ""},
      {0, 1, Kind::Nothing, ""},
      {3, 1, Kind::Nothing, ""},
      {1, 0, Kind::Nothing, ""},
      {1, 10, Kind::Nothing, ""},
      {2, 0, Kind::Nothing, ""},
      {2, 10, Kind::Nothing, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "page " << c.page << " index " << c.index);
    const LaunchDecision decision = Decide(c.page, c.index, texts, files);
    EXPECT_EQ(decision.kind, c.kind);
    if (c.kind != Kind::Nothing) {
      EXPECT_EQ(decision.target, c.target);
    }
  }
  // The whole text was asked about, never a piece of it cut at a space, and no
  // predefined, empty or blank slot was looked up at all.
  EXPECT_EQ(files.asked.count("C:\\Program"), 0u);
  EXPECT_EQ(files.asked.count(" "), 0u);
  EXPECT_EQ(files.asked.count(""), 0u);
  EXPECT_EQ(files.asked.count("Notepad"), 0u);
}

TEST(ShortcutTable, PredefinedNameOnUserPageRunsAsCommandLineWhenNoSuchFile) {
  launcher::Table texts = launcher::DefaultTable();
  texts[17] = "Calculator";  // slot 18
  FakeFiles files;
  const LaunchDecision decision = Decide(2, 9, texts, files);
  EXPECT_EQ(decision.kind, Kind::RunCommandLine);
  EXPECT_EQ(decision.target, "Calculator");
  EXPECT_EQ(files.asked.count("Calculator"), 1u);
}

TEST(ShortcutTable, PopupAndPreviewIconChoices) {
  struct Case {
    int slot;
    std::string text;
    IconChoice::Kind kind;
    int resourceId;
    std::string file;
  };
  const Case cases[] = {
      {1, "Volume Control", IconChoice::Kind::Resource, 1013, ""},
      {9, "Calculator", IconChoice::Kind::Resource, 186, ""},
      {2, "Volume Control", IconChoice::Kind::FromFile, 0, "Volume Control"},
      {1, "volume control", IconChoice::Kind::FromFile, 0, "volume control"},
      {12, "Calculator", IconChoice::Kind::FromFile, 0, "Calculator"},
      {4, " ", IconChoice::Kind::Resource, 188, ""},
      {16, " ", IconChoice::Kind::Resource, 188, ""},
      {5, "", IconChoice::Kind::None, 0, ""},
      {17, "", IconChoice::Kind::None, 0, ""},
      {10, kSpacedPath, IconChoice::Kind::FromFile, 0, kSpacedPath},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.slot << " '" << c.text << "'");
    const IconChoice choice = launcher::PopupIconFor(c.slot, c.text);
    EXPECT_EQ(choice.kind, c.kind);
    if (c.kind == IconChoice::Kind::Resource) {
      EXPECT_EQ(choice.resourceId, c.resourceId);
    }
    if (c.kind == IconChoice::Kind::FromFile) {
      EXPECT_EQ(choice.file, c.file);
    }
  }
  // The page previews a predefined name's icon in any row, and never icon 188.
  struct Preview {
    std::string text;
    IconChoice::Kind kind;
    int resourceId;
  };
  const Preview previews[] = {{"Notepad", IconChoice::Kind::Resource, 161},
                              {"Volume Control", IconChoice::Kind::Resource, 1013},
                              {"notepad", IconChoice::Kind::FromFile, 0},
                              {" ", IconChoice::Kind::None, 0},
                              {"", IconChoice::Kind::None, 0},
                              {kSpacedPath, IconChoice::Kind::FromFile, 0}};
  for (const Preview& p : previews) {
    const IconChoice choice = launcher::PreviewIconFor(p.text);
    EXPECT_EQ(choice.kind, p.kind) << p.text;
    EXPECT_EQ(choice.resourceId, p.resourceId) << p.text;
  }
}

TEST(ShortcutTable, OnlyTheProgramsGoneFromCurrentWindowsHaveAStandIn) {
  using FK = launcher::Fallback::Kind;
  const FK kinds[9] = {FK::Program, FK::None, FK::None, FK::None, FK::DefaultHandler,
                       FK::DocumentsFolder, FK::DefaultHandler, FK::None, FK::None};
  for (int slot = 1; slot <= 9; ++slot) EXPECT_EQ(launcher::PredefinedOf(slot).fallback.kind, kinds[slot - 1]) << slot;
  EXPECT_STREQ(launcher::PredefinedOf(1).fallback.target, "sndvol.exe");
  EXPECT_STREQ(launcher::PredefinedOf(5).fallback.target, "mailto");
  EXPECT_STREQ(launcher::PredefinedOf(7).fallback.target, "http");
  // The decision names the slot, so the launcher can find the stand-in.
  FakeFiles files;
  launcher::Table texts = launcher::DefaultTable();
  const LaunchDecision decision = Decide(1, 7, texts, files);
  EXPECT_EQ(decision.kind, Kind::OpenPredefined);
  EXPECT_EQ(decision.target, "wupdmgr.exe");
  EXPECT_EQ(decision.slot, 7);
}

}  // namespace
