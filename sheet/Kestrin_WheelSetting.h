// The "Rad" tab: how far one notch of the wheel scrolls, for the whole desktop.
// A line count chosen in the list is in force at once (and stays after
// Cancel); page scrolling and a typed count wait for Apply or OK. A count the
// list does not offer is shown as it is and left alone.
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
  // Hands the pending value to the system, unless the system holds it already.
  void SetSystemLines();

  SystemParameters& m_system;
  // What Apply hands to the system: a count of the list, -1 (page scrolling) or 0 (nothing).
  // Reset whenever the page opens, so that an OK never repeats a choice of an
  // earlier opening.
  std::int32_t m_nWheelValue = 0;
  // The system's value as last read or written by the page.
  std::uint32_t m_systemLines = 0;
  bool m_showingSystem = false;
  fw::ComboBox m_lines;
};

}  // namespace sheet
