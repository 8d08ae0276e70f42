// The settings model over a storage in memory: what start-up loads, what each
// table's store writes where, and the one hand-over of the button table.
#include "settings/settings_model.h"

#include <gtest/gtest.h>

#include <thread>
#include <tuple>
#include <vector>

#include "tests/unit/fake_storage.h"

namespace {

using settings::KeyMacro;
using testsupport::FakeStorage;

struct FakeHook : settings::HookLink {
  std::vector<std::vector<std::int32_t>> tables;
  std::vector<std::int32_t> wheelModes;
  const volatile std::int32_t* lastAddress = nullptr;
  void SetButtonTable(const volatile std::int32_t* table, int count) override {
    lastAddress = table;
    tables.emplace_back(table, table + count);
  }
  void SetWheelMode(std::int32_t mode) override { wheelModes.push_back(mode); }
};

class Model : public testing::Test {
 protected:
  FakeStorage store;
  FakeHook hook;
  settings::SettingsModel model{store, hook};
};

TEST_F(Model, FreshProfileLoadsButtonsAndSpeedsAsTheirIndexAndMacrosEmpty) {
  model.Load();
  for (int slot = 0; slot < 6; ++slot) EXPECT_EQ(model.ButtonFunc(slot), slot);
  for (std::int32_t entry : model.Macros()) EXPECT_EQ(entry, 0) << "an absent macro entry is an empty slot";
  EXPECT_EQ(model.Speed(0), 0);
  EXPECT_EQ(model.Speed(1), 1);
  EXPECT_FALSE(model.SpeedsInDeviceRange()) << "start-up sends nothing to the device";
  // The three sections read at start-up exist afterwards; nothing was written.
  EXPECT_EQ(store.sections, (std::set<std::string>{"Setting For Key", "Setting For KeyCombination",
                                                   "Setting For MouseXY"}));
  EXPECT_EQ(store.writes, 0);
  EXPECT_TRUE(hook.tables.empty()) << "loading hands nothing to the hook";
}

TEST_F(Model, StoredValuesWinAndAreTakenAsTheyAre) {
  store.dwords["Setting For Key\\key3"] = 9;
  store.dwords["Setting For Key\\key5"] = -1;
  store.dwords["Setting For KeyCombination\\keyCombination12"] = 0x41;
  store.dwords["Setting For MouseXY\\key0"] = 12;
  store.dwords["Setting For MouseXY\\key1"] = 20;
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

TEST_F(Model, ButtonsAreStoredThroughTheRawPathWhichNeverCreatesTheSection) {
  model.SetButtonFunc(4, 9);
  model.StoreButtons();
  EXPECT_EQ(store.writes, 0);
  EXPECT_FALSE(store.sections.count("Setting For Key"));
  model.Load();  // start-up creates it
  model.SetButtonFunc(4, 9);
  model.StoreButtons();
  EXPECT_EQ(store.writes, 6);
  EXPECT_EQ(store.dwords["Setting For Key\\key4"], 9);
  EXPECT_EQ(store.dwords["Setting For Key\\key5"], 5);
}

TEST_F(Model, MacrosAndSpeedsAreStoredThroughTheProfilePath) {
  model.SetMacro(2, KeyMacro{17, 18, 90, 0, 0, 17, 18, 90, 0, 0});
  model.StoreMacro(2);
  model.SetSpeed(0, 20);
  model.SetSpeed(1, 12);
  model.StoreSpeeds();
  EXPECT_EQ(store.writes, 12);
  EXPECT_EQ(store.dwords["Setting For KeyCombination\\keyCombination20"], 17);
  EXPECT_EQ(store.dwords["Setting For KeyCombination\\keyCombination27"], 90);
  EXPECT_FALSE(store.dwords.count("Setting For KeyCombination\\keyCombination19"));
  EXPECT_EQ(store.dwords["Setting For MouseXY\\key0"], 20);
  EXPECT_EQ(store.dwords["Setting For MouseXY\\key1"], 12);
}

TEST_F(Model, ShortcutsReadAbsentAsEmptyAndOnlyNonEmptyOnesAreWritten) {
  model.LoadShortcuts();
  for (const std::string& text : model.Shortcuts()) EXPECT_EQ(text, "");
  settings::ShortcutTable table;
  table[0] = "Notepad";
  table[9] = " ";
  model.SetShortcuts(table);
  model.StoreShortcuts();
  EXPECT_EQ(store.writes, 0) << "the key belongs to installation; without it nothing is written";
  store.sections.insert("Setting For ShortcutKey");
  store.strings["Setting For ShortcutKey\\ShortcutKey #2"] = "kept";
  model.StoreShortcuts();
  EXPECT_EQ(store.writes, 2);
  EXPECT_EQ(store.strings["Setting For ShortcutKey\\ShortcutKey #1"], "Notepad");
  EXPECT_EQ(store.strings["Setting For ShortcutKey\\ShortcutKey #10"], " ");
  EXPECT_EQ(store.strings["Setting For ShortcutKey\\ShortcutKey #2"], "kept");
  model.LoadShortcuts();
  EXPECT_EQ(model.Shortcuts()[1], "kept");
}

TEST_F(Model, PublishHandsTheLiveTableByAddressAndReloadsTakeTheStoredValues) {
  model.Load();
  model.PublishButtons();
  ASSERT_EQ(hook.tables.size(), 1u);
  EXPECT_EQ(hook.tables[0], (std::vector<std::int32_t>{0, 1, 2, 3, 4, 5}));
  // The address is the model's own table: a later change shows through it.
  model.SetButtonFunc(2, 13);
  EXPECT_EQ(hook.lastAddress[2], 13);

  store.dwords["Setting For Key\\key4"] = 24;
  store.dwords["Setting For Wheel\\WheelType"] = 3;
  model.ReloadButtons();
  ASSERT_EQ(hook.tables.size(), 2u);
  EXPECT_EQ(hook.tables[1], (std::vector<std::int32_t>{0, 1, 2, 3, 24, 5}));
  model.ReloadWheel();
  EXPECT_EQ(hook.wheelModes, (std::vector<std::int32_t>{3}));
  EXPECT_EQ(model.WheelType(), 3);
}

TEST_F(Model, AReplayReadingWhileAMacroIsStoredSeesOneWholeRecord) {
  const KeyMacro a{1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  const KeyMacro b{2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
  model.SetMacro(0, a);
  std::atomic<bool> done{false};
  std::atomic<int> torn{0};
  std::thread reader([&] {
    while (!done) {
      const KeyMacro seen = model.Macro(0);
      if (seen != a && seen != b) ++torn;
    }
  });
  for (int i = 0; i < 200000; ++i) model.SetMacro(0, i % 2 ? a : b);
  done = true;
  reader.join();
  EXPECT_EQ(torn.load(), 0);
}

}  // namespace
