#include "sheet/MyPropertySheet.h"

namespace sheet {

MyPropertySheet::MyPropertySheet(const char* caption, settings::SettingsModel& settings, UINT startPage)
    : fw::PropSheet(caption, startPage), m_settings(settings) {}

void MyPropertySheet::OnCommit() { m_settings.StoreShortcuts(); }

}  // namespace sheet
