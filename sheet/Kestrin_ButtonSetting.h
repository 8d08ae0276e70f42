// The "Tasten" tab: a function for each mouse button and the double-click
// speed, with an animation to test it on. Applying puts the new functions into
// effect at once (hook and executor) and stores them.
#pragma once

#include "framework/controls_win.h"
#include "framework/property_page_win.h"
#include "settings/settings_model.h"

namespace sheet {

class Kestrin_ButtonSetting : public fw::PropertyPage {
 public:
  explicit Kestrin_ButtonSetting(settings::SettingsModel& settings);

  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnApply() override;

 protected:
  BOOL OnInitDialog() override;
  BOOL OnCommand(WORD id, WORD code, HWND control) override;
  LRESULT OnControlNotify(NMHDR* header) override;
  void OnLButtonDblClk(UINT flags, POINT point) override;

 private:
  void OnDefaults();
  void SelectCodes();

  settings::SettingsModel& m_settings;
  // 1 while the test animation plays.
  int m_nAnimating = 0;
  // The slider position shown when the page opened: the double-click time is
  // written only when the user moved it, so that a time the slider cannot show
  // (above 900 ms) survives an OK given for another change.
  int m_openedSpeedPos = 0;
  // The codes the lists showed when the page opened (-1 where none).
  settings::ButtonTable m_openedCodes{};
  // The lists by button slot: left, wheel button, right, 4th, 5th, 6th.
  fw::ComboBox m_lists[6];
  fw::AnimateCtrl m_animation;
  fw::SliderCtrl m_speed;
};

}  // namespace sheet
