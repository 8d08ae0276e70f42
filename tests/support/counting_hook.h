// The settings model's link to the mouse hook, replaced for in-process tests:
// it counts what it is handed instead of handing it to the hook library.
#pragma once

#include "settings/settings_model.h"

namespace testsupport {

struct CountingHook : settings::HookLink {
  int tables = 0;
  void SetButtonTable(const volatile std::int32_t*, int) override { ++tables; }
  void SetWheelMode(std::int32_t) override {}
};

}  // namespace testsupport
