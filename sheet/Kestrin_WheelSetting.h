// The "Rad" tab: how far one notch of the wheel scrolls, for the whole desktop.
// What it shows and writes is the portable WheelPage; this class wires it to
// the controls and the system.
#pragma once

#include "framework/art_win.h"
#include "framework/controls_win.h"
#include "framework/property_page_win.h"
#include "sheet/page_rules.h"
#include "sheet/system_parameters.h"

namespace sheet {

class Kestrin_WheelSetting : public fw::PropertyPage {
 public:
  explicit Kestrin_WheelSetting(SystemParameters& system);

  BOOL OnApply() override;

 protected:
  BOOL OnInitDialog() override;
  BOOL OnCommand(WORD id, WORD code, HWND control) override;
  void OnDpiChanged(UINT dpi, const RECT* suggested) override;

 private:
  SystemParameters& m_system;
  fw::DialogPicture m_wheelPicture;
  // Opened afresh whenever the page opens, so that an OK never repeats a
  // choice of an earlier opening.
  WheelPage m_page;
  bool m_showingSystem = false;
  fw::ComboBox m_lines;
};

}  // namespace sheet
