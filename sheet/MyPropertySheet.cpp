#include "sheet/MyPropertySheet.h"

namespace sheet {

MyPropertySheet::MyPropertySheet(const char* caption, settings::SettingsModel& settings, UINT startPage)
    : fw::PropSheet(caption, startPage), m_settings(settings) {}

void MyPropertySheet::OnCommit() {
  // Stored only when they differ from what is stored: an OK after merely
  // looking leaves the section as it was.
  const settings::ShortcutTable edited = m_settings.Shortcuts();
  m_settings.LoadShortcuts();
  const bool changed = m_settings.Shortcuts() != edited;
  m_settings.SetShortcuts(edited);
  if (changed) m_settings.StoreShortcuts();
}

}  // namespace sheet
