// The "Hot Button" tab: the eighteen launcher shortcuts. Assign an executable
// to a slot, clear it, or restore the default table; the sheet's apply takes
// the edits into the settings, Cancel discards them.
#pragma once

#include "framework/owned_icon_win.h"
#include "framework/property_page_win.h"
#include "launcher/launch_rule.h"
#include "settings/settings_model.h"

namespace launcher {

class Kestrin_ScrMenuSetting : public fw::PropertyPage {
 public:
  explicit Kestrin_ScrMenuSetting(settings::SettingsModel& settings);

  BOOL OnApply() override;

 protected:
  BOOL OnInitDialog() override;
  void OnDestroy() override;
  BOOL OnCommand(WORD id, WORD code, HWND control) override;
  LRESULT OnControlNotify(NMHDR* header) override;

 private:
  void FillList();
  // Follows the list's selection; `always` also refreshes the preview of an
  // unchanged row (a click after "Löschen" shows what the row holds now).
  void OnSelectionChanged(bool always);
  void OnAssign();
  void OnClear();
  void OnDefault();
  // False (after telling the user) when no row is selected.
  bool HaveRow();
  void SetPathText(int row, const std::string& text);
  void Preview(const IconChoice& choice);

  settings::SettingsModel& m_settings;
  // The table being edited; it reaches the settings only on apply.
  Table m_table;
  // The row the buttons act on: the list's (first) selected row, -1 for none.
  int m_curRow = -1;
  fw::OwnedIcon m_preview;
  HWND m_list = nullptr;
};

}  // namespace launcher
