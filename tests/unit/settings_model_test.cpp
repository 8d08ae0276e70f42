// The settings model over a storage in memory: what start-up loads, what each
// table's store writes where, and the one hand-over of the button table.
#include "settings/settings_model.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <tuple>
#include <vector>

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

TEST_F(Model, AFreshProfileLoadsEachButtonAndSpeedAsItsIndexAndEmptyMacrosAndWritesNothing) {
  model.Load();
  EXPECT_EQ(model.Buttons(), (settings::ButtonTable{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(model.Macros(), settings::MacroTable{});
  EXPECT_EQ(model.Speed(0), 0);
  EXPECT_EQ(model.Speed(1), 1);
  EXPECT_EQ(store.sections, (std::set<std::string>{settings::kSectionKey, settings::kSectionMacro,
                                                   settings::kSectionMouseXY}));
  EXPECT_EQ(store.writes, 0);
  EXPECT_TRUE(hook.tables.empty()) << "loading hands nothing to the hook";
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

TEST_F(Model, PublishHandsTheLiveTableByAddressAndReloadsTakeTheStoredValues) {
  model.Load();
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

}  // namespace
