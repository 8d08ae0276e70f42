// The configuration sheet "Quorra Kestrin Software". Its caption is also the
// key by which an open sheet is found. Each page stores its own data when
// applied; what the sheet stores besides is its commit step.
#pragma once

#include "framework/prop_sheet_win.h"
#include "settings/settings_model.h"

namespace sheet {

class MyPropertySheet : public fw::PropSheet {
 public:
  MyPropertySheet(const char* caption, settings::SettingsModel& settings, UINT startPage = 0);

 protected:
  // After every Apply and OK: the launcher shortcuts edited on the Hot Button
  // page, which have always been stored with the sheet rather than the page,
  // when they changed.
  void OnCommit() override;

 private:
  settings::SettingsModel& m_settings;
};

}  // namespace sheet
