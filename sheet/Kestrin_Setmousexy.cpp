#include "sheet/Kestrin_Setmousexy.h"

#include <string>

#include "bridge/device_channel_win.h"
#include "res/resource.h"
#include "sheet/page_rules.h"

namespace sheet {
namespace {
const int kSliderIds[2] = {IDC_SPEED_X, IDC_SPEED_Y};
const int kValueIds[2] = {IDC_SPEED_X_VALUE, IDC_SPEED_Y_VALUE};
}  // namespace

Kestrin_Setmousexy::Kestrin_Setmousexy(settings::SettingsModel& settings)
    : fw::PropertyPage(IDD_XY), m_settings(settings) {}

BOOL Kestrin_Setmousexy::OnInitDialog() {
  fw::PropertyPage::OnInitDialog();
  for (int axis = 0; axis < 2; ++axis) {
    m_sliders[axis].Attach(m_hWnd, kSliderIds[axis]);
    m_sliders[axis].SetRange(kAxisSliderMin, kAxisSliderMax, FALSE);
    const std::int32_t speed = m_settings.Speed(axis);
    m_sliders[axis].SetPos(AxisSliderOf(speed), TRUE);
    m_openedPos[axis] = m_sliders[axis].GetPos();
    // A stored speed outside 5..20 shows as it is; the slider stands at its end.
    ShowValue(axis, AxisTextValueOf(speed));
  }
  return TRUE;
}

int Kestrin_Setmousexy::AxisOfSlider(HWND control) const {
  for (int axis = 0; axis < 2; ++axis)
    if (control && control == m_sliders[axis].GetSafeHwnd()) return axis;
  return -1;
}

void Kestrin_Setmousexy::ShowValue(int axis, int value) {
  ::SetDlgItemTextA(m_hWnd, kValueIds[axis], std::to_string(value).c_str());
}

void Kestrin_Setmousexy::ShowSliderPosition(int axis) {
  ShowValue(axis, m_sliders[axis].GetPos());
  SetModified(TRUE);
}

LRESULT Kestrin_Setmousexy::OnControlNotify(NMHDR* header) {
  if (header->code == NM_RELEASEDCAPTURE) {
    const int axis = AxisOfSlider(header->hwndFrom);
    if (axis >= 0) {
      ShowSliderPosition(axis);
      return 0;
    }
  }
  return Default();
}

void Kestrin_Setmousexy::OnHScroll(UINT, UINT, HWND control) {
  // Keyboard moves send no released-capture notification: every move is
  // shown and can be applied, whatever moved the slider.
  const int axis = AxisOfSlider(control);
  if (axis >= 0) ShowSliderPosition(axis);
}

BOOL Kestrin_Setmousexy::OnApply() {
  // Only a moved slider is sent and stored: a stored speed the slider cannot
  // show (or none at all) survives an OK given for another page.
  if (m_sliders[0].GetPos() == m_openedPos[0] && m_sliders[1].GetPos() == m_openedPos[1])
    return fw::PropertyPage::OnApply();
  m_openedPos[0] = m_sliders[0].GetPos();
  m_openedPos[1] = m_sliders[1].GetPos();
  const std::int32_t x = AxisSpeedOfSlider(m_sliders[0].GetPos());
  const std::int32_t y = AxisSpeedOfSlider(m_sliders[1].GetPos());
  m_settings.SetSpeed(0, x);
  m_settings.SetSpeed(1, y);
  bridge::WriteDeviceSpeed(x, y);
  m_settings.StoreSpeeds();
  return fw::PropertyPage::OnApply();
}

}  // namespace sheet
