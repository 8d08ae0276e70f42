// The settings model over a storage in memory: what start-up loads, what each
// table's store writes where, and the one hand-over of the button table.
#include "settings/settings_model.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <sstream>
#include <thread>
#include <tuple>
#include <vector>

#include "actions/button_states.h"
#include "tests/unit/fake_storage.h"

namespace {

using settings::KeyMacro;
std::string At(const std::string& section, const std::string& name) { return testsupport::FakeStorage::Key(section, name); }

struct FakeHook : settings::HookLink {
  std::vector<std::vector<std::int32_t>> tables;  // as handed over
  std::vector<std::int32_t> wheelModes;
  const volatile std::int32_t* address = nullptr;
  void SetButtonTable(const volatile std::int32_t* table, int count) override {
    tables.emplace_back(address = table, table + count);
  }
  void SetWheelMode(std::int32_t mode) override { wheelModes.push_back(mode); }
};

class Model : public testing::Test {
 protected:
  testsupport::FakeStorage store;
  FakeHook hook;
  settings::SettingsModel model{store, hook};
};

// Loading hands nothing to the hook; the publish that follows hands the model's own table.
TEST_F(Model, AFreshProfileLoadsEachIndexAndWritesNothingPublishHandsTheLiveTableAndReloadsTakeTheStoredValues) {
  model.Load();
  EXPECT_EQ(model.Macros(), settings::MacroTable{});
  EXPECT_EQ(model.Speed(0), 0);
  EXPECT_EQ(model.Speed(1), 1);
  EXPECT_EQ(store.sections, (std::set<std::string>{settings::kSectionKey, settings::kSectionMacro,
                                                   settings::kSectionMouseXY}));
  EXPECT_EQ(store.writes, 0);
  EXPECT_TRUE(hook.tables.empty());
  model.PublishButtons();
  ASSERT_EQ(hook.tables.size(), 1u);
  EXPECT_EQ(hook.tables[0], (std::vector<std::int32_t>{0, 1, 2, 3, 4, 5}));
  model.SetButtonFunc(2, 13);
  EXPECT_EQ(hook.address[2], 13) << "the address is the model's own table";
  store.dwords[At(settings::kSectionKey, "key4")] = 24;
  store.dwords[At(settings::kSectionWheel, "WheelType")] = 3;
  model.ReloadButtons();
  ASSERT_EQ(hook.tables.size(), 2u);
  EXPECT_EQ(hook.tables[1], (std::vector<std::int32_t>{0, 1, 2, 3, 24, 5}));
  model.ReloadWheel();
  EXPECT_EQ(hook.wheelModes, (std::vector<std::int32_t>{3}));
}

TEST_F(Model, StoredValuesWinAndAreTakenAsTheyAre) {
  store.dwords[At(settings::kSectionKey, "key3")] = 9;
  store.dwords[At(settings::kSectionKey, "key5")] = -1;
  store.dwords[At(settings::kSectionMacro, "keyCombination12")] = 0x41;
  store.dwords[At(settings::kSectionMouseXY, "key0")] = 12;
  store.dwords[At(settings::kSectionMouseXY, "key1")] = 20;
  model.Load();
  EXPECT_EQ(model.Buttons(), (settings::ButtonTable{0, 1, 2, 9, 4, -1}));
  EXPECT_EQ(model.Macro(1), (KeyMacro{0, 0, 0x41, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(model.Speed(0), 12);
  EXPECT_TRUE(model.SpeedsInDeviceRange());
  // Each bound of each axis broken once; both ends of the range kept.
  const std::tuple<int, int, bool> cases[] = {{4, 12, false}, {21, 12, false}, {12, 4, false}, {12, 21, false},
                                              {5, 20, true},  {20, 5, true}};
  for (const auto& [x, y, inRange] : cases) {
    model.SetSpeed(0, x);
    model.SetSpeed(1, y);
    EXPECT_EQ(model.SpeedsInDeviceRange(), inRange) << x << ", " << y;
  }
}

TEST_F(Model, ButtonsGoThroughTheRawPathWhichNeverCreatesTheSectionMacrosAndSpeedsThroughTheProfilePath) {
  model.SetButtonFunc(4, 9);
  model.SetMacro(2, KeyMacro{17, 18, 90, 0, 0, 17, 18, 90, 0, 0});
  model.SetSpeed(0, 20);
  model.SetSpeed(1, 12);
  model.StoreButtons();
  EXPECT_EQ(store.writes, 0);
  model.StoreMacro(2);
  model.StoreSpeeds();
  EXPECT_EQ(store.writes, 12);
  EXPECT_EQ(store.dwords[At(settings::kSectionMacro, "keyCombination20")], 17);
  EXPECT_EQ(store.dwords[At(settings::kSectionMacro, "keyCombination27")], 90);
  EXPECT_FALSE(store.dwords.count(At(settings::kSectionMacro, "keyCombination19")));
  EXPECT_EQ(store.dwords[At(settings::kSectionMouseXY, "key0")], 20);
  EXPECT_EQ(store.dwords[At(settings::kSectionMouseXY, "key1")], 12);
  model.Load();  // start-up creates the buttons' section
  model.SetButtonFunc(4, 9);
  model.StoreButtons();
  EXPECT_EQ(store.writes, 18);
  EXPECT_EQ(store.dwords[At(settings::kSectionKey, "key4")], 9);
  EXPECT_EQ(store.dwords[At(settings::kSectionKey, "key5")], 5);
}

TEST_F(Model, ShortcutsReadAbsentAsEmptyAndOnlyNonEmptyOnesAreWritten) {
  model.LoadShortcuts();
  EXPECT_EQ(model.Shortcuts(), settings::ShortcutTable{});
  settings::ShortcutTable table;
  table[0] = "Notepad";
  table[9] = " ";
  model.SetShortcuts(table);
  model.StoreShortcuts();
  EXPECT_EQ(store.writes, 0) << "the key belongs to installation; without it nothing is written";
  store.sections.insert(settings::kSectionShortcut);
  store.strings[At(settings::kSectionShortcut, "ShortcutKey #2")] = "kept";
  model.StoreShortcuts();
  EXPECT_EQ(store.writes, 2);
  EXPECT_EQ(store.strings[At(settings::kSectionShortcut, "ShortcutKey #1")], "Notepad");
  EXPECT_EQ(store.strings[At(settings::kSectionShortcut, "ShortcutKey #10")], " ");
  model.LoadShortcuts();
  EXPECT_EQ(model.Shortcuts()[1], "kept");
}

TEST_F(Model, AReplayReadingWhileAMacroIsStoredSeesOneWholeRecord) {
  const KeyMacro a{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, b{2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
  model.SetMacro(0, a);
  std::atomic<int> reads{0}, torn{0};
  std::atomic<bool> done{false};
  std::thread reader([&] {
    for (; !done; ++reads) {
      const KeyMacro seen = model.Macro(0);
      if (seen != a && seen != b) ++torn;
    }
  });
  // Stores while the reader reads, long enough on a busy machine for both to run at once.
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
  for (int i = 0; reads < 1000 || std::chrono::steady_clock::now() < end; ++i) model.SetMacro(0, i % 2 ? a : b);
  done = true;
  reader.join();
  EXPECT_EQ(torn.load(), 0);
}

// ---- programs with tables of their own

using Values = std::map<int, std::int32_t>;  // slot -> stored code; absent slots are not stored

void StoreProgram(testsupport::FakeStorage& store, const std::string& name, const Values& values) {
  const std::string section = settings::ProgramSection(name);
  store.sections.insert(section);
  for (const auto& [slot, code] : values) store.dwords[At(section, settings::KeyValueName(slot))] = code;
}

std::vector<std::int32_t> AsVector(const settings::ButtonTable& table) { return {table.begin(), table.end()}; }

// "a.exe=0.1.2.3.11.5 b.exe=...", in the list's order.
std::string Listed(const settings::ProgramList& programs) {
  std::string text;
  for (const settings::ProgramSetting& p : programs) {
    text += (text.empty() ? "" : " ") + p.name + "=";
    for (std::int32_t code : p.buttons) text += (text.back() == '=' ? "" : ".") + std::to_string(code);
  }
  return text;
}

// Which table each press and release performs, over the foreground program and
// the stored programs. The script's steps: "fg:NAME" the foreground switched
// to NAME ("-": a process that could not be opened); "down4=20" / "up4=20" the
// fifth button's press or release performs 20; "set4=25" the Buttons page sets
// the main table's fifth slot and publishes; "active:NAME" the program whose
// table is active ("-": the main table); "published=N" tables handed to the
// hook and "told=N" listener calls since the row began. After every step the
// hook holds the table the worker performs.
TEST_F(Model, EachEventPerformsTheTableOfTheForegroundProgramAndAReleaseThatOfItsPress) {
  struct Row {
    const char* what;
    Values main;
    std::map<std::string, Values> programs;
    const char* script;
  };
  const Row rows[] = {
      {"no program settings: the main table everywhere, nothing handed over on a switch",
       {{4, 9}},
       {},
       "fg:firefox.exe down4=9 up4=9 fg:notepad.exe active:- published=0 told=0 set4=25 down4=25 up4=25 published=1"},
      {"a program's table in front of it, found without regard to case; the main table elsewhere",
       {},
       {{"Firefox.EXE", {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 20}, {5, 5}}}},
       "fg:firefox.exe active:Firefox.EXE published=1 told=1 down4=20 up4=20 set4=25 down4=20 up4=20 "
       "fg:notepad.exe active:- published=3 told=2 down4=25 up4=25 fg:FIREFOX.EXE down4=20 up4=20 published=4"},
      {"a press keeps the function it took when the foreground changes before its release",
       {},
       {{"a.exe", {{3, 21}, {4, 20}}}},
       "fg:a.exe down4=20 fg:b.exe up4=20 down4=4 fg:a.exe up4=4 down3=21 fg:- up3=21 down3=3 up3=3 told=4"},
      {"a process that cannot be opened and a stored name that is no file name get the main table",
       {},
       {{"bad:name.exe", {{4, 20}}}, {std::string(256, 'x'), {{4, 20}}}},
       "fg:bad:name.exe active:- down4=4 up4=4 fg:- fg:xxx published=0 told=0"},
      {"absent values are the main table's functions; bad ones are kept for the hook to fail open on",
       {{0, 7}, {1, -1}},
       {{"p.exe", {{4, 99}, {5, -1}}}},
       "fg:p.exe down0=7 up0=7 down1=-1 up1=-1 down2=2 up2=2 down4=99 up4=99 down5=-1 up5=-1"},
      {"two programs with one table: handed over once, the switch between them still told",
       {},
       {{"a.exe", {{4, 20}}}, {"b.exe", {{4, 20}}}},
       "fg:a.exe published=1 told=1 fg:b.exe active:b.exe published=1 told=2 fg:B.EXE published=1 told=2"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    testsupport::FakeStorage rowStore;
    FakeHook rowHook;
    settings::SettingsModel rowModel{rowStore, rowHook};
    for (const auto& [slot, code] : row.main) rowStore.dwords[At(settings::kSectionKey, settings::KeyValueName(slot))] = code;
    for (const auto& [name, values] : row.programs) StoreProgram(rowStore, name, values);
    rowModel.Load();
    rowModel.PublishButtons();  // as the hooks' installation does
    int told = 0;
    rowModel.SetActiveChangedListener([&] { ++told; });
    actions::ButtonStates buttons;
    std::istringstream script(row.script);
    for (std::string step; script >> step;) {
      SCOPED_TRACE(step);
      const std::size_t colon = step.find(':'), equals = step.find('=');
      const std::string name = colon == std::string::npos ? "" : step.substr(colon + 1);
      const std::string key = step.substr(0, std::min(colon, equals));
      const int number = equals == std::string::npos ? 0 : std::stoi(step.substr(equals + 1));
      if (key == "fg") {
        rowModel.SelectProgram(name == "-" ? "" : name == "xxx" ? std::string(256, 'x') : name);
      } else if (key == "active") {
        EXPECT_EQ(rowModel.ActiveProgram(), name == "-" ? "" : name);
      } else if (key == "published") {
        EXPECT_EQ(static_cast<int>(rowHook.tables.size()) - 1, number);
      } else if (key == "told") {
        EXPECT_EQ(told, number);
      } else if (key.rfind("set", 0) == 0) {
        rowModel.SetButtonFunc(std::stoi(key.substr(3)), number);
        rowModel.PublishButtons();
      } else {
        const bool press = key.rfind("down", 0) == 0;
        const int slot = std::stoi(key.substr(press ? 4 : 2));
        EXPECT_EQ(buttons.Take(makerlibs::EventCodeOfSlot(slot),
                               press ? actions::Notification::Press : actions::Notification::Release,
                               rowModel.ActiveButtons()),
                  std::optional<int>(number));
      }
      EXPECT_EQ(rowHook.tables.back(), AsVector(rowModel.ActiveButtons()));
    }
    EXPECT_FALSE(buttons.AnyDown());
    EXPECT_EQ(rowStore.writes + rowStore.deletes, 0) << "choosing writes nothing";
  }
}

TEST_F(Model, ApplyStoresOnlyWhatDiffersAndReloadTakesWhatOutsideToolsWrote) {
  store.dwords[At(settings::kSectionKey, "key4")] = 9;
  StoreProgram(store, "b.exe", {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 10}, {5, 5}});
  StoreProgram(store, "a.exe", {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 11}, {5, 5}});
  StoreProgram(store, "C.exe", {{2, 30}});
  StoreProgram(store, "bad|name.exe", {{4, 12}});
  model.Load();
  model.SelectProgram("B.EXE");
  // Absent values are the main table's.
  EXPECT_EQ(Listed(model.Programs()), "a.exe=0.1.2.3.11.5 b.exe=0.1.2.3.10.5 C.exe=0.1.30.3.9.5");
  const settings::ProgramSetting kept = model.Programs()[0];
  const std::size_t handedOver = hook.tables.size();

  // a kept, b changed, C removed, D new, an invalid name and a repeat dropped.
  settings::ProgramList edited = {{"D.exe", {1, 1, 1, 1, 1, 1}},
                                  kept,
                                  {"b.exe", {0, 1, 2, 3, 40, 5}},
                                  {"bad|x.exe", {2, 2, 2, 2, 2, 2}},
                                  {"A.EXE", {3, 3, 3, 3, 3, 3}}};
  model.ApplyPrograms(edited);
  EXPECT_EQ(store.writes, 12) << "six values each for b and D";
  EXPECT_EQ(store.deletes, 1);
  EXPECT_FALSE(store.sections.count(settings::ProgramSection("C.exe")));
  EXPECT_EQ(store.dwords[At(settings::ProgramSection("b.exe"), "key4")], 40);
  EXPECT_EQ(store.dwords[At(settings::ProgramSection("D.exe"), "key5")], 1);
  EXPECT_FALSE(store.sections.count(settings::ProgramSection("bad|x.exe")));
  EXPECT_FALSE(store.sections.count(settings::ProgramSection("A.EXE")));
  EXPECT_TRUE(store.sections.count(settings::ProgramSection("bad|name.exe"))) << "never written, never deleted";
  ASSERT_GT(hook.tables.size(), handedOver) << "the changed table of the foreground program is in force at once";
  EXPECT_EQ(hook.tables.back(), (std::vector<std::int32_t>{0, 1, 2, 3, 40, 5}));
  EXPECT_EQ(model.ActiveProgram(), "b.exe");

  // What was stored loads back as it was applied.
  FakeHook otherHook;
  settings::SettingsModel reloaded{store, otherHook};
  reloaded.Load();
  const settings::ProgramList now = model.Programs();
  EXPECT_EQ(Listed(now), "a.exe=0.1.2.3.11.5 b.exe=0.1.2.3.40.5 D.exe=1.1.1.1.1.1");
  EXPECT_EQ(Listed(reloaded.Programs()), Listed(now));

  // Applying the same list again writes nothing; a change of case alone is a new name.
  const int writes = store.writes;
  model.ApplyPrograms(now);
  EXPECT_EQ(store.writes, writes);
  edited = now;
  edited[1].name = "B.exe";
  model.ApplyPrograms(edited);
  EXPECT_EQ(store.writes, writes + 6);
  EXPECT_TRUE(store.sections.count(settings::ProgramSection("B.exe")));
  EXPECT_FALSE(store.sections.count(settings::ProgramSection("b.exe")));
  EXPECT_EQ(model.ActiveProgram(), "B.exe");

  // An outside tool writes a program's slot and removes another, then asks for a reload.
  StoreProgram(store, "e.exe", {{4, 31}});
  store.DeleteSection(settings::ProgramSection("B.exe"));
  model.ReloadButtons();
  EXPECT_EQ(model.ActiveProgram(), "") << "the foreground program's settings are gone";
  EXPECT_EQ(hook.tables.back(), (std::vector<std::int32_t>{0, 1, 2, 3, 9, 5}));
  model.SelectProgram("E.exe");
  EXPECT_EQ(model.ActiveButtons(), (settings::ButtonTable{0, 1, 2, 3, 31, 5}));
  EXPECT_EQ(hook.tables.back(), (std::vector<std::int32_t>{0, 1, 2, 3, 31, 5}));
}

}  // namespace
