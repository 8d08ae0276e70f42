// The "X/Y-Achse" tab: the sensor's separate X and Y speeds. Each slider
// (0..15) stands for a device speed 5 higher; Apply, when a slider moved, sends
// X then Y to the mouse device and stores both.
#pragma once

#include "framework/controls_win.h"
#include "framework/property_page_win.h"
#include "settings/settings_model.h"

namespace sheet {

class Kestrin_Setmousexy : public fw::PropertyPage {
 public:
  explicit Kestrin_Setmousexy(settings::SettingsModel& settings);

  BOOL OnApply() override;

 protected:
  BOOL OnInitDialog() override;
  LRESULT OnControlNotify(NMHDR* header) override;
  void OnHScroll(UINT code, UINT position, HWND control) override;

 private:
  // Axis 0 = X, 1 = Y, or -1 for a control that is neither slider.
  int AxisOfSlider(HWND control) const;
  void ShowValue(int axis, int value);
  void ShowSliderPosition(int axis);

  settings::SettingsModel& m_settings;
  fw::SliderCtrl m_sliders[2];
  int m_openedPos[2] = {0, 0};
};

}  // namespace sheet
