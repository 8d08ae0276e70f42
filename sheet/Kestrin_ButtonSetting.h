// The "Tasten" tab: a function for each mouse button and the double-click
// speed, with an animation to test it on. Applying puts the new functions into
// effect at once (hook and executor) and stores them with the launcher shortcuts.
#pragma once

#include "framework/Controls.h"
#include "framework/PropertyPage.h"

class Kestrin_ButtonSetting : public fw::PropertyPage {
 public:
  Kestrin_ButtonSetting();

  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnApply() override;
  void OnOK() override;

 protected:
  BOOL OnInitDialog() override;
  BOOL OnCommand(WORD id, WORD code, HWND control) override;
  LRESULT OnControlNotify(NMHDR* header) override;
  void OnLButtonDblClk(UINT flags, POINT point) override;

 private:
  void OnDefaults();
  void SelectCodes();

  // 1 while the test animation plays.
  int m_nAnimating = 0;
  // The lists by button slot: left, wheel button, right, 4th, 5th, 6th.
  fw::ComboBox m_lists[6];
  fw::AnimateCtrl m_animation;
  fw::SliderCtrl m_speed;
};
