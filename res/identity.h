// How outside programs find the program and talk to it: window titles, the
// single-instance mutex, the tray icon and the message numbers of its own.
// None of these may change: outside programs and stored habits rely on them.
// Portable: the numbers and texts only, no Windows headers.
#pragma once

namespace res {

constexpr unsigned kWmUser = 0x0400;

// Tray icon callback (wParam icon id, lParam the mouse message over the icon).
constexpr unsigned WM_TRAYNOTIFY = kWmUser + 10;  // 1034
// Sent by outside programs to the tray frame after changing the stored settings.
constexpr unsigned WM_RELOAD_BUTTONS = kWmUser + 110;  // 1134
constexpr unsigned WM_RELOAD_WHEEL = kWmUser + 111;    // 1135
// Posted by the macro page to the dispatch window when it opens; nothing in
// the program acts on it, outside programs may listen for it.
constexpr unsigned WM_MACROPAGE_OPEN = kWmUser + 115;  // 1139

constexpr unsigned kTrayIconId = 100;
constexpr const char* kTrayTip = "Quorra Kestrin Software";
constexpr const char* kMutexName = "Trovane Mouse";

// Window titles, also the keys by which the windows are found.
constexpr const char* kFrameTitle = "Zyfo Mouse Driver";
constexpr const char* kDispatchTitle = "MouseDriver";
constexpr const char* kSheetCaption = "Quorra Kestrin Software";
constexpr const char* kPopupTitle = "Hot Button";

}  // namespace res
