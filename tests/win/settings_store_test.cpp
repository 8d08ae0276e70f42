// The settings store in the process: profile path, raw path, start-up load.
#include <gtest/gtest.h>

#include <string>

#include "app/CDriverApp.h"
#include "app/CMainFrame.h"
#include "app/settings_schema.h"
#include "app/settings_store_win.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kRoot = "Software\\Trovane Mouse\\Pelrand";
const std::string kShortcutKey = kRoot + "\\Setting For ShortcutKey";

class SettingsStore : public testing::Test {
 protected:
  void SetUp() override {
    DeleteProgramSettings();
    app.SetRegistryKey(settings::kRegistryKey);
    app.LoadAppTitle();
  }
  void TearDown() override { DeleteProgramSettings(); }

  // Creates the tray frame, whose creation loads the settings, and destroys it again.
  void LoadThroughFrame() {
    auto* frame = new CMainFrame;
    app.m_pMainFrame = frame;
    ASSERT_TRUE(frame->Create(nullptr, WS_OVERLAPPEDWINDOW, fw::FrameWnd::rectDefault, nullptr, nullptr, 0));
    ::DestroyWindow(frame->GetSafeHwnd());  // deletes the frame
  }

  CDriverApp app;
};

TEST_F(SettingsStore, ApplicationTitleNamesTheProfile) { EXPECT_STREQ(app.m_szAppName, "Pelrand"); }

TEST_F(SettingsStore, FreshProfileLoadsEveryTableAsItsIndexAndCreatesTheSectionsItRead) {
  LoadThroughFrame();
  for (int i = 0; i < 6; ++i) EXPECT_EQ(app.m_nButtonFunc[i].load(), i) << "button " << i;
  for (int i = 0; i < 30; ++i) EXPECT_EQ(app.m_nMacroKey[i / 10][i % 10].load(), i) << "macro entry " << i;
  EXPECT_EQ(app.m_nMouseXY[0], 0);
  EXPECT_EQ(app.m_nMouseXY[1], 1);
  EXPECT_EQ(app.m_nWheelType.load(), 0);
  EXPECT_TRUE(UserKeyExists(kRoot + "\\Setting For Key"));
  EXPECT_TRUE(UserKeyExists(kRoot + "\\Setting For KeyCombination"));
  EXPECT_TRUE(UserKeyExists(kRoot + "\\Setting For MouseXY"));
  // Read only on request, and never created by the program.
  EXPECT_FALSE(UserKeyExists(kRoot + "\\Setting For Wheel"));
  EXPECT_FALSE(UserKeyExists(kShortcutKey));
  EXPECT_FALSE(UserKeyExists(kRoot + "\\Setting For Dpi"));
  // Absent values are defaults only: nothing is written back.
  DWORD value = 0;
  EXPECT_FALSE(ReadUserDword(kRoot + "\\Setting For Key", "key0", &value));
}

TEST_F(SettingsStore, StoredValuesWinOverDefaultsAndMissingOnesStayTheirIndex) {
  ASSERT_TRUE(WriteUserDword(kRoot + "\\Setting For Key", "key3", 9));
  ASSERT_TRUE(WriteUserDword(kRoot + "\\Setting For Key", "key5", static_cast<DWORD>(-1)));
  ASSERT_TRUE(WriteUserDword(kRoot + "\\Setting For KeyCombination", "keyCombination12", 0x41));
  ASSERT_TRUE(WriteUserDword(kRoot + "\\Setting For MouseXY", "key0", 20));
  LoadThroughFrame();
  EXPECT_EQ(app.m_nButtonFunc[3].load(), 9);
  EXPECT_EQ(app.m_nButtonFunc[5].load(), -1);
  EXPECT_EQ(app.m_nButtonFunc[4].load(), 4);
  EXPECT_EQ(app.m_nMacroKey[1][2].load(), 0x41);
  EXPECT_EQ(app.m_nMacroKey[1][3].load(), 13);
  EXPECT_EQ(app.m_nMouseXY[0], 20);
  EXPECT_EQ(app.m_nMouseXY[1], 1);
}

TEST_F(SettingsStore, ProfilePathCreatesKeysOnTheWayForWritesAndReads) {
  EXPECT_TRUE(app.WriteProfileInt("MenuPos", "x", -200));
  DWORD value = 0;
  ASSERT_TRUE(ReadUserDword(kRoot + "\\MenuPos", "x", &value));
  EXPECT_EQ(static_cast<int>(value), -200);
  EXPECT_EQ(static_cast<int>(app.GetProfileInt("MenuPos", "x", 7)), -200);

  EXPECT_EQ(app.GetProfileInt("Setting For Wheel", "WheelType", 0), 0u);
  EXPECT_TRUE(UserKeyExists(kRoot + "\\Setting For Wheel"));
}

TEST_F(SettingsStore, ProfileReadOfAValueOfAnotherTypeGivesTheDefault) {
  ASSERT_TRUE(WriteUserString(kRoot + "\\Setting For Key", "key2", "9"));
  EXPECT_EQ(app.GetProfileInt("Setting For Key", "key2", 2), 2u);
}

TEST_F(SettingsStore, RawButtonWriterNeverCreatesItsKey) {
  EXPECT_FALSE(settings::WriteButtonValue(0, 9));
  EXPECT_FALSE(UserKeyExists(kRoot + "\\Setting For Key"));

  ASSERT_TRUE(CreateUserKey(kRoot + "\\Setting For Key"));
  EXPECT_TRUE(settings::WriteButtonValue(4, 9));
  EXPECT_TRUE(settings::WriteButtonValue(5, -1));
  DWORD value = 0;
  ASSERT_TRUE(ReadUserDword(kRoot + "\\Setting For Key", "key4", &value));
  EXPECT_EQ(value, 9u);
  ASSERT_TRUE(ReadUserDword(kRoot + "\\Setting For Key", "key5", &value));
  EXPECT_EQ(static_cast<int>(value), -1);
}

TEST_F(SettingsStore, RawDwordReaderGivesZeroForAbsentKeyValueOrWrongSize) {
  settings::RegistryReader reader;
  EXPECT_EQ(reader.ReadRegDword(settings::kRawKeyMenuPos, "x"), 0);
  ASSERT_TRUE(WriteUserDword(kRoot + "\\MenuPos", "x", 640));
  ASSERT_TRUE(WriteUserString(kRoot + "\\MenuPos", "y", "a text of more than four bytes"));
  EXPECT_EQ(reader.ReadRegDword(settings::kRawKeyMenuPos, "x"), 640);
  EXPECT_EQ(reader.ReadRegDword(settings::kRawKeyMenuPos, "y"), 0);
  EXPECT_EQ(reader.ReadRegDword(settings::kRawKeyMenuPos, "z"), 0);
}

TEST_F(SettingsStore, ShortcutWriterSkipsAMissingKeyAndReaderGivesEmpty) {
  settings::RegistryReader reader;
  EXPECT_FALSE(settings::WriteShortcutValue("ShortcutKey #1", "Notepad"));
  EXPECT_FALSE(UserKeyExists(kShortcutKey));
  EXPECT_EQ(reader.ReadRegString(settings::kRawKeyShortcut, "ShortcutKey #1"), "");
}

class ShortcutRoundTrip : public SettingsStore, public testing::WithParamInterface<int> {};

TEST_P(ShortcutRoundTrip, TextsUpToTheWritersLimitReadBackWholeLongerOnesCutThere) {
  ASSERT_TRUE(CreateUserKey(kShortcutKey));
  const int length = GetParam();
  std::string text;
  for (int i = 0; i < length; ++i) text += static_cast<char>('a' + i % 26);
  if (length > 3) text[2] = ' ';  // a path with blanks in it
  ASSERT_TRUE(settings::WriteShortcutValue("ShortcutKey #18", text));

  std::string stored;
  ASSERT_TRUE(ReadUserString(kShortcutKey, "ShortcutKey #18", &stored));
  const std::string expected = text.substr(0, 255);
  EXPECT_EQ(stored, expected);
  settings::RegistryReader reader;
  EXPECT_EQ(reader.ReadRegString(settings::kRawKeyShortcut, "ShortcutKey #18"), expected);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ShortcutRoundTrip, testing::Values(0, 79, 80, 255, 300));

TEST_F(SettingsStore, ShortcutReaderRefusesATextLongerThanAnyWriterStores) {
  ASSERT_TRUE(CreateUserKey(kShortcutKey));
  ASSERT_TRUE(WriteUserString(kShortcutKey, "ShortcutKey #2", std::string(400, 'x')));
  settings::RegistryReader reader;
  EXPECT_EQ(reader.ReadRegString(settings::kRawKeyShortcut, "ShortcutKey #2"), "");
}

}  // namespace
