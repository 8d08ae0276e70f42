// The "Rad" tab: how far one notch of the wheel scrolls, for the whole desktop.
// A line count chosen in the list is in force at once (and stays after
// Cancel); page scrolling and a typed count wait for Apply or OK.
#pragma once

#include <cstdint>

#include "framework/controls_win.h"
#include "framework/property_page_win.h"
#include "sheet/system_parameters.h"

namespace sheet {

class Kestrin_WheelSetting : public fw::PropertyPage {
 public:
  explicit Kestrin_WheelSetting(SystemParameters& system);

  BOOL OnApply() override;

 protected:
  BOOL OnInitDialog() override;
  BOOL OnCommand(WORD id, WORD code, HWND control) override;

 private:
  void OnListChoice();
  void OnTypedChoice();
  void OnLinesRadio();
  void OnPageRadio();
  void ShowLinesMode(bool lines);

  SystemParameters& m_system;
  // What Apply hands to the system: a count of the list, -1 (page scrolling) or 0 (nothing).
  // Taken from the controls whenever the page opens, so that an OK never
  // repeats a choice of an earlier opening.
  std::int32_t m_nWheelValue = 0;
  fw::ComboBox m_lines;
};

}  // namespace sheet
