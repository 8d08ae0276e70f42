// Which sections SkinMagic.dll finds in a skin text, whatever the bytes.
#include "makerlibs/skinmagic/skin_text.h"

#include <gtest/gtest.h>

namespace {

TEST(SkinText, SectionsAreFoundInWellFormedTextAndNothingElseIsFatal) {
  struct Case { std::string text, sections; };  // sections found, in order, separated by blanks
  const Case cases[] = {
      {"; colours\r\n[Dialog]\r\nFace=212,208,200\r\n\r\n [ Other ] \r\nx=1", "Dialog Other"},
      {"\xEF\xBB\xBF[Dialog]\nFace=\nText=1,2\nAccent=300,1,1\n=5\n[dialog]", "Dialog"},
      {std::string("[Dialog]\0[Hidden]", 17), "Dialog"},
      {std::string("\0[Dialog]", 9), ""},
      {std::string("\xff\xfe" "\0[" "\0" "D" "\0", 7), ""},
      {"Face=1,2,3\n#[Dialog]\n[\n[]\n[Dialog\n=", ""},
      {std::string(5000, '['), ""},
  };
  for (const Case& c : cases) {
    std::string found;
    for (const std::string& name : makerlibs::skin::ParseSections(c.text.data(), c.text.size()))
      found += (found.empty() ? "" : " ") + name;
    EXPECT_EQ(found, c.sections) << c.text;
  }
  const makerlibs::skin::Sections sections = makerlibs::skin::ParseSections("[Dialog]", 8);
  EXPECT_EQ(sections.count("DIALOG"), 1u) << "names compare without regard to case";
  EXPECT_TRUE(makerlibs::skin::ParseSections(nullptr, 5).empty());
}

}  // namespace
