// The "Makro" tab: three key macros recorded from the real keyboard. The
// keyboard hook reports each key to the page while it is open; "APP" stores
// the macro being recorded at once.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/property_page_win.h"
#include "settings/settings_model.h"
#include "sheet/macro_capture.h"

namespace sheet {

class Kestrin_Macro : public fw::PropertyPage {
 public:
  // setKeyTarget names the window the keyboard hook reports to (the hook
  // library's KeyHookSetTarget; a recorder in tests).
  Kestrin_Macro(settings::SettingsModel& settings, std::function<void(HWND)> setKeyTarget);

  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  BOOL OnInitDialog() override;
  void OnDestroy() override;
  BOOL OnCommand(WORD id, WORD code, HWND control) override;

 private:
  void OnSelectMacro(int macro);
  void OnStoreMacro(int macro);
  void ShowTexts();

  settings::SettingsModel& m_settings;
  std::function<void(HWND)> m_setKeyTarget;
  MacroCapture m_capture;
  // The line shown for each macro.
  std::string m_texts[settings::kMacroCount];
};

}  // namespace sheet
