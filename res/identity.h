// How outside programs, the installer and the resource script know the
// program: its profile in the registry, its window titles, the single-instance
// mutex, the tray icon and the message numbers of its own. None of these may
// change: outside programs and stored habits rely on them.
//
// Each text is spelled once, in a "#define ZYFO_..." line below: app.rc
// includes this file, and the build writes the installer's copy from these
// lines (installer/facts.cmake reads them: keep one plain definition per line,
// string literals or names defined above). Portable: no Windows headers.
#pragma once

#define ZYFO_COMPANY "Trovane Mouse"

// ---- the profile: HKEY_CURRENT_USER\Software\<registry key>\<application title>
// The registry key is the company's name.
#define ZYFO_REGISTRY_KEY ZYFO_COMPANY
// Also the string resource IDS_APP_TITLE, from which the program builds the profile root.
#define ZYFO_APP_TITLE "Pelrand"
#define ZYFO_PROFILE_ROOT "Software\\" ZYFO_REGISTRY_KEY "\\" ZYFO_APP_TITLE

// Sections below the profile root. Installation creates the last two.
#define ZYFO_SECTION_KEY "Setting For Key"
#define ZYFO_SECTION_MACRO "Setting For KeyCombination"
#define ZYFO_SECTION_WHEEL "Setting For Wheel"
#define ZYFO_SECTION_MOUSEXY "Setting For MouseXY"
#define ZYFO_SECTION_MENUPOS "MenuPos"
#define ZYFO_SECTION_SHORTCUT "Setting For ShortcutKey"
#define ZYFO_SECTION_DPI "Setting For Dpi"
// One subkey per program (its executable's file name), holding key0..key5 as "Setting For Key" does.
#define ZYFO_SECTION_PROGRAMS "Setting For Programs"
// The launcher's values: "ShortcutKey #1" .. "ShortcutKey #18".
#define ZYFO_SHORTCUT_VALUE_PREFIX "ShortcutKey #"
#define ZYFO_SHORTCUT_SLOTS 18
// A slot holding exactly this text is unassigned. Installation writes it into
// slots 10..18; slots 1..9 get the launcher's predefined names
// (launcher/predefined_programs.h).
#define ZYFO_SHORTCUT_BLANK " "

// ---- window titles, also the keys by which the windows are found
#define ZYFO_FRAME_TITLE "Zyfo Mouse Driver"
#define ZYFO_DISPATCH_TITLE "MouseDriver"
#define ZYFO_SHEET_CAPTION "Quorra Kestrin Software"
#define ZYFO_POPUP_TITLE "Hot Button"

#define ZYFO_MUTEX_NAME "Trovane Mouse"
#define ZYFO_TRAY_TIP "Quorra Kestrin Software"

#ifndef RC_INVOKED
#include "makerlibs/include/maker_contract.h"

namespace res {

// The program's own messages, numbered from the same base as the hooks' ones.
using makerlibs::kWmUser;
// Tray icon callback (wParam icon id, lParam the mouse message over the icon).
constexpr unsigned WM_TRAYNOTIFY = kWmUser + 10;  // 1034
// Sent by outside programs to the tray frame after changing the stored settings.
constexpr unsigned WM_RELOAD_BUTTONS = kWmUser + 110;  // 1134
constexpr unsigned WM_RELOAD_WHEEL = kWmUser + 111;    // 1135
// Posted by the macro page to the dispatch window when it opens; nothing in
// the program acts on it, outside programs may listen for it.
constexpr unsigned WM_MACROPAGE_OPEN = kWmUser + 115;  // 1139
// Private to the process: asks the dispatch window to destroy itself on its
// own thread and end that thread's loop (honoured only once exit has begun).
constexpr unsigned WM_DISPATCH_SHUTDOWN = kWmUser + 200;  // 1224
// Posted by the worker thread to its dispatch window once the hooks are in
// place: starts COM and creates the shell's object, first thing in its loop.
constexpr unsigned WM_DISPATCH_CONNECT_SHELL = kWmUser + 201;  // 1225
// Private to the process: posted to the tray frame after the active button
// table switched to another program's (or back to the main one).
constexpr unsigned WM_ACTIVE_PROGRAM_CHANGED = kWmUser + 202;  // 1226

constexpr unsigned kTrayIconId = 100;
constexpr const char* kTrayTip = ZYFO_TRAY_TIP;
constexpr const char* kMutexName = ZYFO_MUTEX_NAME;

constexpr const char* kFrameTitle = ZYFO_FRAME_TITLE;
constexpr const char* kDispatchTitle = ZYFO_DISPATCH_TITLE;
constexpr const char* kSheetCaption = ZYFO_SHEET_CAPTION;
constexpr const char* kPopupTitle = ZYFO_POPUP_TITLE;

}  // namespace res
#endif
