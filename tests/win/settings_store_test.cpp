// The registry store in the process: the profile path creates keys on the way,
// the raw path never does; the model loads through it as at start-up.
#include <gtest/gtest.h>

#include <string>

#include "settings/registry_store_win.h"
#include "settings/schema.h"
#include "settings/settings_model.h"
#include "tests/support/counting_hook.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kRoot = "Software\\Trovane Mouse\\Pelrand";
const std::string kShortcutKey = kRoot + "\\Setting For ShortcutKey";

class SettingsStore : public testing::Test {
 protected:
  void SetUp() override { DeleteProgramSettings(); }
  void TearDown() override { DeleteProgramSettings(); }

  settings::RegistryStore store;
};

TEST_F(SettingsStore, FreshProfileLoadCreatesTheThreeSectionsItReadsAndWritesNothing) {
  CountingHook hook;
  settings::SettingsModel model(store, hook);
  model.Load();
  EXPECT_EQ(model.Buttons(), (settings::ButtonTable{0, 1, 2, 3, 4, 5}));
  for (std::int32_t entry : model.Macros()) EXPECT_EQ(entry, 0);
  for (const char* section : {"Setting For Key", "Setting For KeyCombination", "Setting For MouseXY"})
    EXPECT_TRUE(UserKeyExists(kRoot + "\\" + section)) << section;
  for (const char* section : {"Setting For Wheel", "Setting For ShortcutKey", "Setting For Dpi", "MenuPos"})
    EXPECT_FALSE(UserKeyExists(kRoot + "\\" + section)) << section;
  DWORD value = 0;
  EXPECT_FALSE(ReadUserDword(kRoot + "\\Setting For Key", "key0", &value)) << "defaults are not written back";
}

TEST_F(SettingsStore, ProfilePathCreatesKeysAndReadsOnlyFourByteDwords) {
  EXPECT_TRUE(store.WriteProfileInt("MenuPos", "x", -200));
  DWORD value = 0;
  ASSERT_TRUE(ReadUserDword(kRoot + "\\MenuPos", "x", &value));
  EXPECT_EQ(static_cast<int>(value), -200);
  EXPECT_EQ(store.ReadProfileInt("MenuPos", "x"), -200);

  EXPECT_EQ(store.ReadProfileInt("Setting For Wheel", "WheelType"), std::nullopt);
  EXPECT_TRUE(UserKeyExists(kRoot + "\\Setting For Wheel")) << "a read creates the section too";

  ASSERT_TRUE(WriteUserString(kRoot + "\\Setting For Key", "key2", "9"));
  const BYTE eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  ASSERT_EQ(::RegSetKeyValueA(HKEY_CURRENT_USER, (kRoot + "\\Setting For Key").c_str(), "key3", REG_BINARY, eight, 8),
            ERROR_SUCCESS);
  EXPECT_EQ(store.ReadProfileInt("Setting For Key", "key2"), std::nullopt);
  EXPECT_EQ(store.ReadProfileInt("Setting For Key", "key3"), std::nullopt);
}

TEST_F(SettingsStore, RawPathNeverCreatesItsKey) {
  EXPECT_FALSE(store.WriteRegDword("Setting For Key", "key0", 9));
  EXPECT_FALSE(store.WriteRegString("Setting For ShortcutKey", "ShortcutKey #1", "Notepad"));
  EXPECT_EQ(store.ReadRegDword("MenuPos", "x"), std::nullopt);
  EXPECT_EQ(store.ReadRegString("Setting For ShortcutKey", "ShortcutKey #1"), "");
  EXPECT_FALSE(UserKeyExists(kRoot));

  ASSERT_TRUE(CreateUserKey(kRoot + "\\Setting For Key"));
  EXPECT_TRUE(store.WriteRegDword("Setting For Key", "key5", -1));
  DWORD value = 0;
  ASSERT_TRUE(ReadUserDword(kRoot + "\\Setting For Key", "key5", &value));
  EXPECT_EQ(static_cast<int>(value), -1);
  EXPECT_EQ(store.ReadRegDword("Setting For Key", "key5"), -1);
}

TEST_F(SettingsStore, TheProfileRootFollowsTheApplicationTitle) {
  store.SetProfileRoot("Trovane Mouse", "Other");
  EXPECT_TRUE(store.WriteProfileInt("Setting For Key", "key0", 3));
  EXPECT_TRUE(UserKeyExists("Software\\Trovane Mouse\\Other\\Setting For Key"));
  EXPECT_FALSE(UserKeyExists(kRoot));
}

class ShortcutRoundTrip : public SettingsStore, public testing::WithParamInterface<int> {};

TEST_P(ShortcutRoundTrip, TextsUpToTheWritersLimitReadBackWholeLongerOnesCutThere) {
  ASSERT_TRUE(CreateUserKey(kShortcutKey));
  const int length = GetParam();
  std::string text;
  for (int i = 0; i < length; ++i) text += static_cast<char>('a' + i % 26);
  if (length > 3) text[2] = ' ';  // a path with blanks in it
  ASSERT_TRUE(store.WriteRegString("Setting For ShortcutKey", "ShortcutKey #18", text));

  std::string stored;
  ASSERT_TRUE(ReadUserString(kShortcutKey, "ShortcutKey #18", &stored));
  const std::string expected = text.substr(0, 255);
  EXPECT_EQ(stored, expected);
  EXPECT_EQ(store.ReadRegString("Setting For ShortcutKey", "ShortcutKey #18"), expected);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ShortcutRoundTrip, testing::Values(0, 79, 80, 255, 300));

TEST_F(SettingsStore, ShortcutReaderRefusesOverlongTextsAndOtherTypes) {
  ASSERT_TRUE(CreateUserKey(kShortcutKey));
  ASSERT_TRUE(WriteUserString(kShortcutKey, "ShortcutKey #2", std::string(400, 'x')));
  ASSERT_TRUE(WriteUserDword(kShortcutKey, "ShortcutKey #3", 0x41414141));
  EXPECT_EQ(store.ReadRegString("Setting For ShortcutKey", "ShortcutKey #2"), "");
  EXPECT_EQ(store.ReadRegString("Setting For ShortcutKey", "ShortcutKey #3"), "");
}

}  // namespace
