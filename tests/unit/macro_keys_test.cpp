// The names the macro page shows for keys, and the rules of recording a macro.
#include <gtest/gtest.h>

#include <string>

#include "sheet/key_names.h"
#include "sheet/macro_capture.h"

namespace {

using sheet::AppendKeyName;
using sheet::KeyName;

std::string NameOf(std::uint32_t vk) {
  const char* name = KeyName(vk);
  return name ? name : "<none>";
}

TEST(KeyNames, LettersDigitsKeypadAndFunctionKeysByClass) {
  for (char c = 'A'; c <= 'Z'; ++c) EXPECT_EQ(NameOf(static_cast<std::uint32_t>(c)), std::string(" ") + c + " ");
  for (std::uint32_t d = 0; d <= 9; ++d) {
    const std::string digit = " " + std::to_string(d) + " ";
    EXPECT_EQ(NameOf(48 + d), digit);
    EXPECT_EQ(NameOf(96 + d), digit) << "the keypad reads like the digit row";
  }
  for (std::uint32_t n = 1; n <= 12; ++n) EXPECT_EQ(NameOf(0x70 + n - 1), " F" + std::to_string(n) + " ");
}

TEST(KeyNames, TheNamedKeysOfTheTable) {
  const std::pair<std::uint32_t, const char*> named[] = {
      {8, " BackSpace "}, {9, " Tab "},           {13, " Enter "},        {16, " Shift "},      {17, " Ctrl "},
      {18, " Alt "},      {19, " Pause "},        {20, " CapsLock "},     {27, " Esc "},        {32, " Space "},
      {33, " Page UP "},  {34, " Page Down "},    {35, " End "},          {36, " Home "},       {37, " Left "},
      {38, " Up "},       {39, " Right "},        {40, " Down "},         {41, " Select "},     {43, " Execute "},
      {44, " Print Screen "}, {45, " Insert "},   {46, " Delete "},       {47, " Help "},       {91, " LWIN "},
      {92, " RWIN "},     {93, " APP "},          {106, " * "},           {107, " + "},         {108, "   "},
      {109, " - "},       {110, " . "},           {111, " / "},           {144, " Number Lock "}, {145, " Scroll Lock "},
      {186, " ; "},       {187, " = "},           {188, " , "},           {189, " - "},         {190, " . "},
      {191, " / "},       {192, " ` "},           {219, " [ "},           {220, " | "},         {221, " ] "},
      {222, " ' "},
  };
  for (const auto& key : named) EXPECT_EQ(NameOf(key.first), key.second) << key.first;
}

TEST(KeyNames, CodesWithoutANameIncludingSidesOfModifiersAndValuesBeyondAByte) {
  for (std::uint32_t vk : {0u, 1u, 7u, 10u, 12u, 14u, 15u, 21u, 26u, 28u, 31u, 42u, 58u, 64u, 94u, 95u, 124u, 135u,
                           143u, 146u, 160u, 161u, 162u, 163u, 164u, 165u, 185u, 193u, 218u, 223u, 255u, 256u + 65,
                           0x10000u + 17, 0xFFFFFFFFu})
    EXPECT_EQ(KeyName(vk), nullptr) << vk;
  int named = 0;
  for (std::uint32_t vk = 0; vk < 256; ++vk) named += KeyName(vk) ? 1 : 0;
  EXPECT_EQ(named, 24 + 10 + 26 + 3 + 10 + 6 + 12 + 2 + 11);
}

TEST(KeyNames, ALineHasTwoBlanksBetweenNamesAndOneAtEachEnd) {
  std::string line;
  EXPECT_EQ(AppendKeyName(line, 17), " Ctrl ");
  EXPECT_EQ(AppendKeyName(line, 18), " Ctrl  Alt ");
  EXPECT_EQ(AppendKeyName(line, 162), " Ctrl  Alt ") << "no name, nothing added";
  EXPECT_EQ(AppendKeyName(line, 0), " Ctrl  Alt ");
  EXPECT_EQ(AppendKeyName(line, 90), " Ctrl  Alt  Z ");
  EXPECT_EQ(line, " Ctrl  Alt  Z ");
}

TEST(MacroCapture, TakesFiveKeysAtMostCountsRepeatsAndStoresNamelessCodes) {
  sheet::MacroCapture capture;
  EXPECT_FALSE(capture.OnKey(65)) << "nothing is recorded before a macro is chosen";
  capture.Start(2);
  EXPECT_EQ(capture.Selected(), 2);
  for (std::uint32_t vk : {17u, 17u, 124u, 90u, 65u}) EXPECT_TRUE(capture.OnKey(vk));
  EXPECT_FALSE(capture.OnKey(66)) << "a sixth key changes nothing";
  EXPECT_EQ(capture.Record(), (sheet::MacroRecord{17, 17, 124, 90, 65, 17, 17, 124, 90, 65}));
  EXPECT_EQ(capture.Line(), " Ctrl  Ctrl  Z  A ") << "F13 is stored but not shown";
  capture.Start(3);
  EXPECT_EQ(capture.Record(), sheet::MacroRecord{}) << "choosing again starts afresh";
  EXPECT_EQ(capture.Line(), "");
  capture.Stop();
  EXPECT_FALSE(capture.OnKey(65));
}

TEST(MacroCapture, AStoredMacroIsShownByItsPressCodes) {
  EXPECT_EQ(sheet::MacroLine({17, 18, 90, 0, 0, 90, 0, 0, 0, 0}), " Ctrl  Alt  Z ");
  EXPECT_EQ(sheet::MacroLine({}), "");
}

}  // namespace
