// The "Programme" tab: programs whose windows get button functions of their
// own. A list of the programs, "Hinzufügen..." (a program file, or one of the
// programs with a window open now) and "Entfernen"; for the selected program
// the six buttons' lists as on the "Tasten" tab. The page edits a copy; Apply
// hands it to the model, which stores it and puts it into effect at once.
#pragma once

#include <string>

#include "framework/art_win.h"
#include "framework/controls_win.h"
#include "framework/property_page_win.h"
#include "settings/settings_model.h"
#include "sheet/program_page_rules.h"

namespace sheet {

class Kestrin_Programs : public fw::PropertyPage {
 public:
  explicit Kestrin_Programs(settings::SettingsModel& settings);

  BOOL OnApply() override;

 protected:
  BOOL OnInitDialog() override;
  BOOL OnCommand(WORD id, WORD code, HWND control) override;
  void OnDpiChanged(UINT dpi, const RECT* suggested) override;

 private:
  // The program list from the copy, with its selection.
  void FillList();
  // The six lists show the selected program's functions (none, disabled, without one).
  void ShowSelected();
  void OnAdd();
  void OnRemove();
  void OnFunctionChosen(int slot);
  void AddProgram(const std::string& pathOrName);
  // The program file chosen in the file dialog, in the code page; empty when cancelled.
  std::string ChooseProgramFile();
  // Apply is offered while the copy differs from what the page opened with.
  void MarkModified();

  settings::SettingsModel& m_settings;
  ProgramPage m_page;
  // The lists by button slot: left, wheel button, right, 4th, 5th, 6th.
  fw::ComboBox m_lists[6];
  fw::DialogPicture m_mousePicture;
};

}  // namespace sheet
