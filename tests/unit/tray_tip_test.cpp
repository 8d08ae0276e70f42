// The tray icon's tip names the program whose own settings are active.
#include "app/tray_tip.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(TrayTip, NamesTheActiveProgramAfterAnEnDashWithinTheTipsBytes) {
  EXPECT_EQ(TrayTip(""), "Quorra Kestrin Software");
  EXPECT_EQ(TrayTip("firefox.exe"), "Quorra Kestrin Software \x96 firefox.exe");
  const std::string fits(63 - 26, 'a');  // the title, a blank, the dash and a blank take 26
  EXPECT_EQ(TrayTip(fits).size(), 63u);
  EXPECT_EQ(TrayTip(fits + "b"), TrayTip(fits)) << "cut at 63 bytes, leaving room for the terminator";
}

}  // namespace
}  // namespace app
