// Every window message of the program's own, with its fixed number. Outside
// programs and the mouse maker's libraries rely on these numbers: none may move.
// Portable: the numbers only, no Windows headers.
#pragma once

constexpr unsigned kWmUser = 0x0400;

// Tray icon callback (wParam icon id, lParam the mouse message over the icon).
constexpr unsigned WM_TRAYNOTIFY = kWmUser + 10;        // 1034
// A managed button was released, or the mouse stepped its resolution (lParam event code).
constexpr unsigned WM_MOUSEBTN_UP = kWmUser + 100;      // 1124
// A managed button was pressed (lParam event code).
constexpr unsigned WM_MOUSEBTN_DOWN = kWmUser + 101;    // 1125
// Sent by outside programs to the tray frame after changing the stored settings.
constexpr unsigned WM_RELOAD_BUTTONS = kWmUser + 110;   // 1134
constexpr unsigned WM_RELOAD_WHEEL = kWmUser + 111;     // 1135
// Posted by the macro page to the dispatch window when it opens; nobody acts on it.
constexpr unsigned WM_MACROPAGE_OPEN = kWmUser + 115;   // 1139
// Posted by the keyboard hook to its target: wParam the virtual-key code.
constexpr unsigned WM_HOOK_KEY = kWmUser + 118;         // 1142

// Private to the process, never sent by anything outside: asks the dispatch
// window to destroy itself on its own thread and end that thread's loop.
constexpr unsigned WM_DISPATCH_SHUTDOWN = kWmUser + 200;

// Tray icon id and window titles by which outside programs find the receivers.
constexpr unsigned kTrayIconId = 100;
constexpr const char* kFrameTitle = "Zyfo Mouse Driver";
constexpr const char* kDispatchTitle = "MouseDriver";
constexpr const char* kSheetCaption = "Quorra Kestrin Software";
constexpr const char* kPopupTitle = "Hot Button";
constexpr const char* kTrayTip = "Quorra Kestrin Software";
constexpr const char* kMutexName = "Trovane Mouse";

// Tray frame commands.
constexpr unsigned ID_OPEN_MOUSE_PANEL = 32773;
constexpr unsigned ID_CONFIGURATION = 32774;
