// What outside programs and stored settings rely on, pinned once: the code,
// the resource script and the installer take these from res/identity.h and
// res/resource.h, so a change there must be a deliberate one, made here too.
#include <gtest/gtest.h>

#include <string>

#include "makerlibs/include/maker_contract.h"
#include "res/identity.h"
#include "res/resource.h"
#include "settings/schema.h"

namespace {

struct Text {
  const char* what;
  std::string actual;
  std::string pinned;
};

TEST(Identity, TextsOutsideProgramsRelyOn) {
  const Text texts[] = {
      {"profile root", settings::kProfileRoot, "Software\\Trovane Mouse\\Pelrand"},
      {"buttons", settings::kSectionKey, "Setting For Key"},
      {"macros", settings::kSectionMacro, "Setting For KeyCombination"},
      {"wheel", settings::kSectionWheel, "Setting For Wheel"},
      {"sensor speeds", settings::kSectionMouseXY, "Setting For MouseXY"},
      {"launcher", settings::kSectionShortcut, "Setting For ShortcutKey"},
      {"resolution", settings::kSectionDpi, "Setting For Dpi"},
      {"programs' own tables", settings::kSectionPrograms, "Setting For Programs"},
      {"popup position", settings::kSectionMenuPos, "MenuPos"},
      {"launcher value", settings::ShortcutValueName(18), "ShortcutKey #18"},
      {"frame", res::kFrameTitle, "Zyfo Mouse Driver"},
      {"dispatch window", res::kDispatchTitle, "MouseDriver"},
      {"sheet", res::kSheetCaption, "Quorra Kestrin Software"},
      {"popup", res::kPopupTitle, "Hot Button"},
      {"mutex", res::kMutexName, "Trovane Mouse"},
      {"blank launcher slot", ZYFO_SHORTCUT_BLANK, " "},
  };
  for (const Text& t : texts) EXPECT_EQ(t.actual, t.pinned) << t.what;
}

TEST(Identity, NumbersOutsideProgramsRelyOn) {
  const unsigned numbers[][2] = {
      {res::WM_TRAYNOTIFY, 1034},    {res::WM_RELOAD_BUTTONS, 1134},   {res::WM_RELOAD_WHEEL, 1135},
      {res::WM_MACROPAGE_OPEN, 1139}, {makerlibs::WM_MOUSEBTN_UP, 1124}, {makerlibs::WM_MOUSEBTN_DOWN, 1125},
      {makerlibs::WM_HOOK_KEY, 1142}, {ID_APP_EXIT, 57665},             {ID_OPEN_MOUSE_PANEL, 32773},
      {ID_CONFIGURATION, 32774},      {settings::kShortcutCount, 18},   {settings::kButtonSlotCount, 6},
  };
  for (const auto& n : numbers) EXPECT_EQ(n[0], n[1]);
}

}  // namespace
