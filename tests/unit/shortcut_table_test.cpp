#include "launcher/shortcut_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using FK = launcher::Fallback::Kind;

TEST(ShortcutTable, PredefinedRowsKeepTheirNamesIconsProgramsAndStandIns) {
  struct Row { const char *name, *program; int icon; FK standIn; const char* target; };
  // Slot 6 has no program of its own: its listed USERINIT.exe would re-run the logon.
  const Row rows[9] = {
      {"Volume Control", "sndvol32.exe", 1013, FK::Program, "sndvol.exe"},
      {"Command Prompt", "cmd.exe", 155, FK::None, ""},
      {"Control Panel", "control.exe", 156, FK::None, ""},
      {"Magnifier", "magnify.exe", 157, FK::None, ""},
      {"Outlook Express", "msimn.exe", 158, FK::DefaultHandler, "mailto"},
      {"MyDocument", "", 159, FK::DocumentsFolder, ""},
      {"Internet Explorer", "wupdmgr.exe", 160, FK::DefaultHandler, "http"},
      {"Notepad", "notepad.exe", 161, FK::None, ""},
      {"Calculator", "calc.exe", 186, FK::None, ""},
  };
  for (int slot = 1; slot <= 9; ++slot) {
    SCOPED_TRACE(slot);
    const Row& row = rows[slot - 1];
    const launcher::Predefined& p = launcher::PredefinedOf(slot);
    EXPECT_STREQ(p.name, row.name);
    EXPECT_EQ(p.iconId, row.icon);
    EXPECT_STREQ(p.program, row.program);
    EXPECT_EQ(p.fallback.kind, row.standIn);
    EXPECT_STREQ(p.fallback.target, row.target);
  }
}

TEST(ShortcutTable, SlotsAreLabelledInBase19AndNumberedPageOneThenPageTwo) {
  std::string labels;
  for (int slot = 0; slot <= 19; ++slot) labels += launcher::SlotLabel(slot);
  EXPECT_EQ(labels, "123456789abcdefghi");
  EXPECT_EQ(launcher::SlotOf(1, 9), 9);
  EXPECT_EQ(launcher::SlotOf(2, 1), 10);
  EXPECT_EQ(launcher::SlotOf(2, 9), 18);
}

}  // namespace
