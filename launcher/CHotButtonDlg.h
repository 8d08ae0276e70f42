// The "Hot Button" popup: a small always-on-top window with a 3 x 3 grid of
// program icons on two pages, the predefined one and the user's, each icon
// with its slot's text as a tooltip; each notch of the wheel turns the page,
// a click starts the program (without waiting for it) and closes the popup. It opens
// where it was last closed and never leaves the work area. Runs modally on
// the worker thread, so button functions keep working while it is open.
#pragma once

#include "framework/dialog_win.h"
#include "framework/owned_icon_win.h"
#include "launcher/launch_rule.h"
#include "launcher/popup_rules.h"
#include "launcher/shortcut_table.h"
#include "settings/storage.h"

namespace launcher {

class CHotButtonDlg : public fw::Dialog {
 public:
  // pager: the page the next wheel message shows, kept for the whole run.
  CHotButtonDlg(settings::SettingsStorage& storage, WheelPager& pager);

  BOOL DestroyWindow() override;
  BOOL PreTranslateMessage(MSG* msg) override;

  // page 1 shows the predefined icons, page 0 the user's; other values nothing.
  void ShowPage(int page);
  // Starts slot (page 1..2, index 1..9) and closes the popup, whatever started.
  void LaunchShortcut(int page, int index);

 protected:
  BOOL OnInitDialog() override;
  BOOL OnCommand(WORD id, WORD code, HWND control) override;
  void OnWindowPosChanging(WINDOWPOS* pos) override;
  void PostNcDestroy() override;

 private:
  void SaveMenuPos();
  void AddTooltips();

  settings::SettingsStorage& m_storage;
  WheelPager& m_pager;
  WheelNotches m_notches;
  fw::OwnedIcon m_icons[kShortcutSlotCount];
  Launch m_launch;  // what the click chose, started when the window is gone
  Table m_texts;
};

// Opens the popup unless one is open (its title is its single-instance key),
// and runs it to its end.
// pager: the program's, so that the page turning carries on across openings.
void OpenHotButton(settings::SettingsStorage& storage, WheelPager& pager);

}  // namespace launcher
