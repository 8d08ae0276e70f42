// The "Makro" tab: three key macros recorded from the real keyboard. The
// keyboard hook reports each key to the page while it is open, with the window
// it was typed into; while a macro is recorded the sheet itself gets no key.
// "APP" stores the macro being recorded at once.
#pragma once

#include <windows.h>

#include <functional>

#include "framework/handles_win.h"
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
  LRESULT OnNotify(NMHDR* header) override;

 private:
  void OnSelectMacro(int macro);
  void OnStoreMacro(int macro);
  void EndRecording();
  // Fields and "APP" buttons as the recorder has them; the keyboard kept from
  // the sheet exactly while a macro is recorded.
  void Show();

  settings::SettingsModel& m_settings;
  std::function<void(HWND)> m_setKeyTarget;
  MacroRecorder m_recorder;
  // The thread's keyboard hook that keeps every key from the sheet while a
  // macro is recorded, so that Tab, Enter, Esc and the arrows are recorded
  // instead of moving the focus, pressing OK or cancelling the sheet.
  struct HookTraits {
    using Handle = HHOOK;
    static Handle None() { return nullptr; }
    static void Close(Handle hook) { ::UnhookWindowsHookEx(hook); }
  };
  fw::Unique<HookTraits> m_keysKept;
};

}  // namespace sheet
