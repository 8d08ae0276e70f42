// The registry store in the process, one test per access path: the profile
// path creates keys on the way, the raw path never does; and the programs'
// subkeys, listed and removed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/registry_store_win.h"
#include "settings/schema.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kRoot = "Software\\Trovane Mouse\\Pelrand";  // spelled out: outside programs rely on it

class SettingsStore : public testing::Test {
 protected:
  void SetUp() override { DeleteProgramSettings(); }
  void TearDown() override { DeleteProgramSettings(); }
  settings::RegistryStore store;
};

TEST_F(SettingsStore, TheProfilePathCreatesItsKeysAndReadsOnlyFourByteDwordsBelowTheRoot) {
  EXPECT_EQ(store.ReadProfileInt(settings::kSectionWheel, "WheelType"), std::nullopt);
  EXPECT_TRUE(UserKeyExists(kRoot + "\\" + settings::kSectionWheel)) << "a read creates the section too";
  EXPECT_TRUE(store.WriteProfileInt("MenuPos", "x", -200));
  DWORD value = 0;
  ASSERT_TRUE(ReadUserDword(kRoot + "\\MenuPos", "x", &value));
  EXPECT_EQ(static_cast<int>(value), -200);
  EXPECT_EQ(store.ReadProfileInt("MenuPos", "x"), -200);
  ASSERT_TRUE(WriteUserString(kRoot + "\\MenuPos", "y", "9"));
  const BYTE eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  ASSERT_EQ(::RegSetKeyValueA(HKEY_CURRENT_USER, (kRoot + "\\MenuPos").c_str(), "x", REG_BINARY, eight, 8), 0);
  EXPECT_EQ(store.ReadProfileInt("MenuPos", "y"), std::nullopt);
  EXPECT_EQ(store.ReadProfileInt("MenuPos", "x"), std::nullopt);
  store.SetProfileRoot("Trovane Mouse", "Other");
  EXPECT_TRUE(store.WriteProfileInt(settings::kSectionKey, "key0", 3));
  EXPECT_TRUE(UserKeyExists(std::string("Software\\Trovane Mouse\\Other\\") + settings::kSectionKey));
  EXPECT_FALSE(UserKeyExists(kRoot + "\\" + settings::kSectionKey));
}

TEST_F(SettingsStore, TheRawPathNeverCreatesAKeyAndKeepsTextsUpToTheWritersLimit) {
  EXPECT_FALSE(store.WriteRegDword(settings::kSectionKey, "key0", 9));
  EXPECT_FALSE(store.WriteRegString(settings::kSectionShortcut, "ShortcutKey #1", "Notepad"));
  EXPECT_EQ(store.ReadRegDword(settings::kSectionKey, "key0"), std::nullopt);
  EXPECT_FALSE(UserKeyExists(kRoot));
  const std::string section = kRoot + "\\" + settings::kSectionShortcut;
  ASSERT_TRUE(CreateUserKey(section));
  EXPECT_TRUE(store.WriteRegDword(settings::kSectionShortcut, "key5", -1));
  EXPECT_EQ(store.ReadRegDword(settings::kSectionShortcut, "key5"), -1);
  for (int length : {0, 79, 80, 255, 300}) {
    std::string text, stored;
    for (int i = 0; i < length; ++i) text += i == 2 ? ' ' : static_cast<char>('a' + i % 26);
    ASSERT_TRUE(store.WriteRegString(settings::kSectionShortcut, "ShortcutKey #18", text));
    ASSERT_TRUE(ReadUserString(section, "ShortcutKey #18", &stored));
    EXPECT_EQ(stored, text.substr(0, 255)) << length;
    EXPECT_EQ(store.ReadRegString(settings::kSectionShortcut, "ShortcutKey #18"), stored) << length;
  }
  // Longer texts than any writer stores, and other types, read as empty.
  ASSERT_TRUE(WriteUserString(section, "ShortcutKey #2", std::string(400, 'x')));
  ASSERT_TRUE(WriteUserDword(section, "ShortcutKey #3", 0x41414141));
  EXPECT_EQ(store.ReadRegString(settings::kSectionShortcut, "ShortcutKey #2"), "");
  EXPECT_EQ(store.ReadRegString(settings::kSectionShortcut, "ShortcutKey #3"), "");
}

TEST_F(SettingsStore, SubsectionsAreListedWithoutCreatingAnythingAndDeletedWithAllTheyHold) {
  EXPECT_TRUE(store.ReadSubsections(settings::kSectionPrograms).empty());
  EXPECT_FALSE(UserKeyExists(kRoot)) << "listing an absent section creates nothing";
  EXPECT_TRUE(store.DeleteSection(settings::ProgramSection("gone.exe"))) << "an absent key is gone already";
  const std::string programs = kRoot + "\\Setting For Programs";  // spelled out: outside tools write there
  ASSERT_TRUE(WriteUserDword(programs + "\\Firefox.EXE", "key4", 9));
  ASSERT_TRUE(WriteUserDword(programs + "\\a b.exe\\deeper", "key0", 1));
  std::vector<std::string> names = store.ReadSubsections(settings::kSectionPrograms);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Firefox.EXE", "a b.exe"}));
  EXPECT_EQ(store.ReadRegDword(settings::ProgramSection("firefox.exe"), "key4"), 9) << "names ignore case";
  EXPECT_TRUE(store.DeleteSection(settings::ProgramSection("a b.exe")));
  EXPECT_FALSE(UserKeyExists(programs + "\\a b.exe"));
  EXPECT_EQ(store.ReadSubsections(settings::kSectionPrograms), (std::vector<std::string>{"Firefox.EXE"}));
  EXPECT_TRUE(store.DeleteSection(settings::ProgramSection("Firefox.EXE")));
  EXPECT_TRUE(UserKeyExists(programs)) << "the section stays, empty";
  EXPECT_TRUE(store.ReadSubsections(settings::kSectionPrograms).empty());
}

}  // namespace
