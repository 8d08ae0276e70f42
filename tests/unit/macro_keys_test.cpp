// The names the macro page shows for keys, and the rules of recording a macro.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "sheet/key_names.h"
#include "sheet/macro_capture.h"

namespace {

using sheet::KeyNamer;

// The first and last key of each run of the table; the keys between take the same path.
TEST(KeyNames, TheTableByClassAndByKey) {
  const KeyNamer names;
  const std::pair<std::uint32_t, const char*> named[] = {
      {8, " BackSpace "}, {47, " Help "}, {48, " 0 "},   {57, " 9 "},    {65, " A "},   {90, " Z "},
      {91, " LWIN "},     {96, " 0 "},    {105, " 9 "},  {108, "   "},   {112, " F1 "}, {123, " F12 "},
      {145, " Scroll Lock "}, {186, " ; "}, {220, " | "}, {222, " ' "},
  };
  for (const auto& key : named) EXPECT_EQ(names.Name(key.first), key.second) << key.first;
}

TEST(KeyNames, NoStoredKeyIsInvisibleACodeWithoutANameShowsItsNumber) {
  const KeyNamer names;
  const std::pair<std::uint32_t, const char*> numbered[] = {{1, " #1 "}, {42, " #42 "}, {124, " #124 "},
      {162, " #162 "}, {165, " #165 "}, {223, " #223 "}, {255, " #255 "}, {321, " #321 "}, {~0u, " #4294967295 "}};
  for (const auto& key : numbered) EXPECT_EQ(names.Name(key.first), key.second);
  const std::int32_t codes[] = {17, 0, 124, 90, 0};
  EXPECT_EQ(names.Line(codes, 5), " Ctrl  #124  Z ") << "an empty slot adds nothing";
}

// Unshifted characters of Windows' layouts (kbdus, kbdgr, kbdfr) for the layout keys the cases type.
using Layout = std::map<std::uint32_t, char32_t>;
const Layout kUs = {{0xBA, U';'}, {0xBB, U'='}, {0xDC, U'\\'}, {0xE2, U'\\'}};
const Layout kGerman = {{0xBA, U'ü'}, {0xBB, U'+'}, {0xBF, U'#'}, {0xC0, U'ö'}, {0xDB, U'ß'},
                        {0xDC, U'^'}, {0xDD, U'´'}, {0xDE, U'ä'}, {0xE2, U'<'}};
const Layout kFrench = {{0xBE, U';'}, {0xC0, U'ù'}, {0xDE, U'²'}, {0xDF, U'!'}};
const Layout kCyrillic = {{0xBA, U'ж'}, {0xC0, U'ё'}, {0xBB, U'='}};

KeyNamer NamerOf(const Layout& layout) {
  return KeyNamer([&layout](std::uint32_t vk) -> char32_t {
    auto it = layout.find(vk);
    return it == layout.end() ? 0 : it->second;
  });
}

TEST(KeyNames, LayoutKeysAreNamedByTheCharacterOfTheUsersLayoutInCapitals) {
  struct Case {
    const Layout* layout;
    std::vector<std::uint32_t> codes;
    const char* line;  // Windows-1252, as the page shows it
  };
  const Case cases[] = {
      {&kUs, {0xBA, 0xBB, 0xDC, 0xE2, 0xDF}, " ;  =  \\  \\  #223 "},
      {&kGerman, {0xBA, 0xC0, 0xDE, 0xDB, 0xBB}, " \xDC  \xD6  \xC4  \xDF  + "},
      {&kGerman, {0xBF, 0xE2, 0xDC, 0xDD, 0xDF}, " #  <  ^  \xB4  #223 "},
      {&kFrench, {0xC0, 0xDE, 0xDF, 0xBE, 0xBD}, " \xD9  \xB2  !  ;  - "},  // no OEM minus there: the table's name
      {&kFrench, {0x31, 0x41, 0x5A, 0x10, 0}, " 1  A  Z  Shift "},        // other keys keep the table's names
      {&kCyrillic, {0xBA, 0xC0, 0xBB, 0xE2, 0}, " ;  `  =  #226 "},         // what Windows-1252 cannot show
  };
  for (const Case& c : cases) {
    std::vector<std::int32_t> codes(c.codes.begin(), c.codes.end());
    EXPECT_EQ(NamerOf(*c.layout).Line(codes.data(), static_cast<int>(codes.size())), c.line);
  }
}

// A recording, step by step: C choose, K key typed into the sheet, X key typed
// elsewhere, S "APP", L leave the page.
struct Step { char op; int arg; };
struct Recording {
  std::vector<Step> steps;
  std::string text1, text2;  // the first two fields afterwards
  int enabled;                // the macro whose "APP" may store, 0 none
  std::vector<std::int32_t> stored;  // what the last "APP" stored; empty: it stored nothing
};

TEST(MacroRecorder, FieldsShowWhatAppStoresAndOnlyTheMacroBeingRecordedIsStored) {
  // Stored before: macro 1 is Ctrl+A, macro 2 is empty.
  const sheet::StoredMacros stored = {{{17, 65, 0, 0, 0, 17, 65, 0, 0, 0}}};
  const Recording cases[] = {
      {{{'C', 2}, {'K', 17}, {'K', 18}, {'K', 90}, {'S', 2}}, " Ctrl  A ", " Ctrl  Alt  Z ", 0,
       {17, 18, 90, 0, 0, 17, 18, 90, 0, 0}},
      {{{'S', 1}}, " Ctrl  A ", "", 0, {}},
      {{{'C', 2}, {'K', 66}, {'L', 0}, {'S', 2}}, " Ctrl  A ", "", 0, {}},
      {{{'C', 1}, {'K', 66}, {'C', 2}, {'K', 67}, {'S', 1}}, " Ctrl  A ", " C ", 2, {}},
      {{{'C', 1}, {'K', 66}, {'S', 2}}, " B ", "", 1, {}},
      {{{'C', 1}, {'X', 66}, {'K', 124}, {'K', 124}, {'X', 67}}, " #124  #124 ", "", 1, {}},
      {{{'C', 1}, {'K', 65}, {'K', 66}, {'K', 67}, {'K', 68}, {'K', 69}, {'K', 70}, {'S', 1}}, " A  B  C  D  E ", "", 0,
       {65, 66, 67, 68, 69, 65, 66, 67, 68, 69}},
      {{{'C', 1}, {'K', 65}, {'C', 1}, {'K', 40}, {'K', 32}, {'K', 9}, {'K', 13}, {'K', 27}, {'S', 1}},
       " Down  Space  Tab  Enter  Esc ", "", 0, {40, 32, 9, 13, 27, 40, 32, 9, 13, 27}},
      {{{'C', 1}, {'S', 1}}, "", "", 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const Recording& c : cases) {
    sheet::MacroRecorder recorder;
    // A recording of an earlier opening leaves nothing to store.
    recorder.Open(stored, KeyNamer());
    recorder.Choose(1);
    recorder.OnKey(90, true);
    recorder.Open(stored, KeyNamer());
    std::vector<std::int32_t> last;
    for (const Step& s : c.steps) {
      sheet::MacroRecord record{};
      if (s.op == 'C') recorder.Choose(s.arg);
      if (s.op == 'K' || s.op == 'X') recorder.OnKey(static_cast<std::uint32_t>(s.arg), s.op == 'K');
      if (s.op == 'S' && recorder.Store(s.arg, &record)) last.assign(record.begin(), record.end());
      if (s.op == 'L') recorder.Leave();
    }
    SCOPED_TRACE(c.text1 + "|" + c.text2);
    EXPECT_EQ(recorder.Text(1), c.text1);
    EXPECT_EQ(recorder.Text(2), c.text2);
    for (int m = 1; m <= 3; ++m) EXPECT_EQ(recorder.StoreEnabled(m), m == c.enabled) << m;
    EXPECT_EQ(recorder.Recording(), c.enabled != 0);
    EXPECT_EQ(last, c.stored);
  }
}

}  // namespace
