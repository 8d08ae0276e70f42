// The rules that name a program: which names may be stored, when two name the
// same program, and their order. The file name of a path is the program page's
// (program_page_rules_test), finding a program the model's (settings_model_test).
#include "settings/program_settings.h"

#include <gtest/gtest.h>

namespace settings {
namespace {

TEST(ProgramSettings, NamesFollowTheFileNameRulesAndCompareWithoutCase) {
  // A name, whether it may be stored, and a second spelling with whether it names the same program.
  struct Row {
    std::string name;
    bool valid;
    std::string other;
    bool same;
  };
  const Row rows[] = {
      {"firefox.exe", true, "FireFox.EXE", true},
      {"firefox.exe", true, "firefox.ex", false},
      {"firefox.exe", true, "firefox.exe ", false},
      {"\xC4rger.exe", true, "\xE4RGER.EXE", true},   // Ärger / äRGER
      {"\x8Akoda\x9F.exe", true, "\x9Akoda\xFF.exe", true},  // Škodaÿ / škodaÿ
      {"\xD7.exe", true, "\xF7.exe", false},          // × and ÷ are no pair
      {"a b;c[1].exe", true, "A B;C[1].EXE", true},
      {"", false, "", true},
      {std::string(255, 'a'), true, std::string(255, 'A'), true},
      {std::string(256, 'a'), false, "", false},
      {"a\\b.exe", false, "", false}, {"a/b.exe", false, "", false}, {"c:b.exe", false, "", false},
      {"a*.exe", false, "", false},   {"a?.exe", false, "", false},  {"a\"b.exe", false, "", false},
      {"a<b.exe", false, "", false},  {"a>b.exe", false, "", false}, {"a|b.exe", false, "", false},
      {"a\tb.exe", false, "", false}, {"a\x1F.exe", false, "", false}, {std::string("a\0b", 3), false, "", false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(IsValidProgramName(row.name), row.valid) << row.name;
    EXPECT_EQ(SameProgram(row.name, row.other), row.same) << row.name << " / " << row.other;
    EXPECT_EQ(SameProgram(row.other, row.name), row.same) << row.other << " / " << row.name;
  }
  EXPECT_TRUE(ProgramNameLess("Alpha.exe", "beta.exe"));
  EXPECT_FALSE(ProgramNameLess("beta.exe", "Alpha.exe"));
  EXPECT_FALSE(ProgramNameLess("ALPHA.exe", "alpha.exe"));
}

}  // namespace
}  // namespace settings
