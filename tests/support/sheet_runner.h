// A configuration sheet run in the test's own process over the pages a test
// gives it, so that the test can look at the pages and at what they wrote.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>

#include "framework/property_page_win.h"
#include "settings/settings_model.h"

namespace testsupport {

// Runs the sheet modally; `script` runs inside its loop once the sheet is up
// and should end it (OK or Cancel). A script that stops early (a failed
// ASSERT) leaves the sheet open: it is cancelled then.
void RunSheet(settings::SettingsModel& model, std::initializer_list<fw::PropertyPage*> pages,
              std::function<void(HWND sheet)> script);

}  // namespace testsupport
