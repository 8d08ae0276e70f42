#include "makerlibs/key_policy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using makerlibs::keypolicy::KeyEvent;

// d/u press/release, h the system had it down before, i synthesised, g AltGr's leading left Ctrl.
KeyEvent Ev(std::uint32_t vk, const std::string& how) {
  const auto has = [&how](char c) { return how.find(c) != std::string::npos; };
  return {vk, has('g') ? 0x21Du : 0x1Du, has('d'), has('i'), has('h')};
}

TEST(KeyPolicy, OneReportPerPhysicalPressByTheGenericCodeOfModifiers) {
  const std::pair<std::vector<KeyEvent>, std::string> cases[] = {
      {{Ev(65, "d"), Ev(65, "u"), Ev(65, "d")}, "65 65 "},
      {{Ev(65, "d"), Ev(65, "dh"), Ev(65, "dh"), Ev(65, "u")}, "65 "},           // auto-repeat
      {{Ev(65, "d"), Ev(65, "d")}, "65 65 "},          // its release was lost (Win+L): the system has it up
      {{Ev(65, "di"), Ev(66, "d"), Ev(66, "ui"), Ev(66, "d")}, "66 66 "},  // synthesised: none; its release counts
      {{Ev(0xA0, "d"), Ev(0xA1, "u"), Ev(0xA3, "d"), Ev(0xA5, "d"), Ev(0xA4, "dh")}, "16 17 18 "},
      {{Ev(0xA2, "d"), Ev(0xA3, "dh"), Ev(0xA2, "u"), Ev(0xA3, "u")}, "17 "},   // Wine's right Ctrl: left, then right
      {{Ev(0xA2, "dg"), Ev(0xA5, "dh"), Ev(0xA2, "ug"), Ev(0xA5, "u")}, "18 "}, // AltGr is one key
  };
  for (const auto& [events, expected] : cases) {
    makerlibs::keypolicy::HeldKeys held;
    std::string reports;
    for (const KeyEvent& e : events) {
      const makerlibs::keypolicy::Verdict v = makerlibs::keypolicy::Decide(e, held);
      if (v.report) reports += std::to_string(v.code) + " ";
    }
    EXPECT_EQ(reports, expected);
  }
}

}  // namespace
