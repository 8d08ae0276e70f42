// The "Bewegen" tab: pointer speed, one of four acceleration levels, and the
// jump to the default button of new dialog boxes. Nothing is written before
// Apply or OK, and Apply writes only what the user changed.
#pragma once

#include "framework/controls_win.h"
#include "framework/property_page_win.h"
#include "sheet/page_rules.h"
#include "sheet/system_parameters.h"

namespace sheet {

class Kestrin_Movesetting : public fw::PropertyPage {
 public:
  explicit Kestrin_Movesetting(SystemParameters& system);

  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnApply() override;

 protected:
  BOOL OnInitDialog() override;
  BOOL OnCommand(WORD id, WORD code, HWND control) override;
  LRESULT OnControlNotify(NMHDR* header) override;
  void OnHScroll(UINT code, UINT position, HWND control) override;

 private:
  SystemParameters& m_system;
  // Level code (2..5) of the acceleration radio clicked in this opening, or 0.
  // Only the radios set it, so a later slider or check-box change keeps it.
  int m_nChosenLevel = 0;
  // What the page showed when it opened (and what it wrote since).
  PointerView m_opened;
  fw::SliderCtrl m_speed;
};

}  // namespace sheet
