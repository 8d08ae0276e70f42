#include "sheet/program_page_rules.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// Stored programs hold kStored (with a code no list shows, which stays); a
// new one starts with kMain, the main table.
const settings::ButtonTable kStored = {60, 1, 2, 4, 3, 47};
const settings::ButtonTable kMain = {0, 1, 2, 3, 4, 5};

std::string View(const sheet::ProgramPage& page) {
  std::string view;
  for (std::size_t i = 0; i < page.Programs().size(); ++i) {
    const settings::ProgramSetting& p = page.Programs()[i];
    view += (view.empty() ? "" : " ") + std::string(static_cast<int>(i) == page.Selected() ? "*" : "") + p.name;
    if (p.buttons == kStored) continue;
    view += "=";
    for (std::int32_t code : p.buttons) view += (view.back() == '=' ? "" : ".") + std::to_string(code);
  }
  return view;
}

TEST(ProgramPageRules, AddRemoveSelectAndEditTheCopyAndApplyHandsOnOnlyAChange) {
  // Steps: A<path> add (n new, k known, r refused), R remove, S<i> select,
  // F<slot>=<code> set a function, P apply (1 when handed on); each answer noted.
  // Then the list (* selected, =table where it is not the stored one) and Changed().
  struct Case { const char *stored, *steps, *answers, *view; bool changed; };
  const Case cases[] = {
      {"", "P", "0", "", false},
      {"b.exe", "", "", "*b.exe", false},
      {"b.exe", "AC:\\x\\Firefox.EXE", "n", "b.exe *Firefox.EXE=0.1.2.3.4.5", true},
      {"b.exe Firefox.exe", "S0 AFIREFOX.exe A/usr/b.EXE", "k k", "*b.exe Firefox.exe", false},
      {"b.exe", "AC:\\dir\\ Aa|b.exe A<ctl> A<256>", "r r r r", "*b.exe", false},
      {"c.exe", "Aa.exe Ad.exe", "n n", "a.exe=0.1.2.3.4.5 c.exe *d.exe=0.1.2.3.4.5", true},
      {"b.exe", "Aa.exe R P", "n 1 0", "*b.exe", false},
      {"a.exe b.exe c.exe", "S1 R", "1", "a.exe *c.exe", true},
      {"a.exe b.exe c.exe", "S2 R R R R", "1 1 1 0", "", true},
      {"a.exe", "S-1 R S1 R", "0 0", "a.exe", false},
      {"a.exe b.exe", "S1 F4=3", "1", "a.exe *b.exe", false},
      {"a.exe b.exe", "S1 F4=14", "1", "a.exe *b.exe=60.1.2.4.14.47", true},
      {"a.exe b.exe", "S1 F4=14 F4=3", "1 1", "a.exe *b.exe", false},
      {"a.exe", "F6=3 F-1=3 F4=51 F4=-1 S-1 F4=3", "0 0 0 0 0", "a.exe", false},
      {"", "F4=3 Aa.exe F5=12 F0=1", "0 n 1 1", "*a.exe=1.1.2.3.4.12", true},
      {"a.exe", "F4=14 P P F4=3 P", "1 1 0 1 1", "*a.exe", false},
      {"a.exe", "R P Aa.exe", "1 1 n", "*a.exe=0.1.2.3.4.5", true},
  };
  for (const Case& c : cases) {
    settings::ProgramList stored;
    std::istringstream names(c.stored);
    for (std::string name; names >> name;) stored.push_back({name, kStored});
    sheet::ProgramPage page;
    page.Open({{"old.exe", kMain}});
    page.Open(stored);
    std::string answers;
    std::istringstream steps(c.steps);
    for (std::string step; steps >> step;) {
      std::string answer;
      const std::string arg = step.substr(1);
      if (step[0] == 'A') {
        // A name with a control character, and one of 256 characters.
        const std::string name = arg == "<ctl>" ? "a\x01.exe" : arg == "<256>" ? std::string(256, 'x') : arg;
        answer = std::string(1, "nkr"[static_cast<int>(page.Add(name, kMain))]);
      }
      if (step[0] == 'R') answer = page.Remove() ? "1" : "0";
      if (step[0] == 'S') page.Select(std::stoi(arg));
      if (step[0] == 'F') answer = page.SetFunction(std::stoi(arg), std::stoi(arg.substr(arg.find('=') + 1))) ? "1" : "0";
      if (step[0] == 'P') answer = page.Apply() ? "1" : "0";
      if (!answer.empty()) answers += (answers.empty() ? "" : " ") + answer;
    }
    SCOPED_TRACE(std::string(c.stored) + ": " + c.steps);
    EXPECT_EQ(answers, c.answers);
    EXPECT_EQ(View(page), c.view);
    EXPECT_EQ(page.Changed(), c.changed);
  }

  // The add menu: each program of the open windows once, in order, as first spelled.
  EXPECT_EQ(sheet::OpenProgramChoices({"C:\\w\\Explorer.EXE", "C:\\a\\e2e_tests.exe", "C:\\b\\explorer.exe", "",
                                       "C:\\x\\", "Z:\\bin\\notepad.exe", "C:\\e2e_TESTS.exe"}),
            (std::vector<std::string>{"e2e_tests.exe", "Explorer.EXE", "notepad.exe"}));
  EXPECT_EQ(sheet::MenuItemText("Tom&Jerry.exe"), "Tom&&Jerry.exe");
}

}  // namespace
