// Resource ids. Outside tools and the stored settings rely on none of them, but
// the dialogs, pictures and icons are referred to by these numbers throughout.
#pragma once

// Icons
#define IDI_APP 128
#define IDI_VOLUME 1013
#define IDI_CONSOLE 155
#define IDI_CONTROL_PANEL 156
#define IDI_MAGNIFIER 157
#define IDI_MAIL 158
#define IDI_DOCUMENTS 159
#define IDI_BROWSER 160
#define IDI_NOTEPAD 161
#define IDI_CALCULATOR 186
#define IDI_UNASSIGNED 188

// Bitmaps
#define IDB_DPI_1600 290
#define IDB_DPI_400 291
#define IDB_DPI_2000 292
#define IDB_DPI_800 293
// The block the resolution pictures fill: their width, and the height of the
// tallest. The indicator covers it on the screen; res/gen draws to it.
#define IDB_DPI_BLOCK_WIDTH 76
#define IDB_DPI_BLOCK_HEIGHT 98
#define IDB_LAUNCHER_PREVIEW 295
#define IDB_WHEEL 301
#define IDB_MOUSE_BUTTONS 311
#define IDB_ABOUT 314
// Every picture and the clip are drawn at 1x, 1.5x and 2x: the larger ones
// are filed under the 1x id plus one and two times this step.
#define IDB_SCALED_STEP 1000

// Animation clip
#define IDR_DOUBLECLICK_CLIP 242

// Menu
#define IDR_TRAY_MENU 130

// Dialog templates
#define IDD_DISPATCH 137
#define IDD_BUTTONS 199
#define IDD_LAUNCHER_PAGE 201
#define IDD_WHEEL 204
#define IDD_MOVE 206
#define IDD_ABOUT 207
#define IDD_MACRO 222
#define IDD_PROGRAMS 223
#define IDD_LAUNCHER_POPUP 244
#define IDD_XY 310

// Controls of the Buttons page
#define IDC_DEFAULTS 1001
#define IDC_FUNC_LEFT 1002
#define IDC_FUNC_WHEEL 1003
#define IDC_FUNC_RIGHT 1004
#define IDC_FUNC_FOURTH 1005
#define IDC_FUNC_FIFTH 1006
#define IDC_FUNC_SIXTH 1116
#define IDC_DBLCLK_CLIP 1011
#define IDC_DBLCLK_SLIDER 1020

// Controls of the programs page (its six function lists are the Buttons page's IDC_FUNC_*)
#define IDC_PROGRAM_LIST 1130
#define IDC_PROGRAM_ADD 1131
#define IDC_PROGRAM_REMOVE 1132

// Controls of the About page
#define IDC_ABOUT_PRODUCT 1058
#define IDC_ABOUT_MAKER 1059

// Controls of the launcher page
#define IDC_SHORTCUT_LIST 1004
#define IDC_SHORTCUT_PREVIEW 1030
#define IDC_SHORTCUT_ASSIGN 1029
#define IDC_SHORTCUT_CLEAR 1003
#define IDC_SHORTCUT_DEFAULTS 1005

// Controls of the wheel page
#define IDC_WHEEL_LINES_RADIO 1047
#define IDC_WHEEL_PAGE_RADIO 1048
#define IDC_WHEEL_LINES 1014

// Controls of the pointer page
#define IDC_ACCEL_OFF 1005
#define IDC_ACCEL_SLOW 1006
#define IDC_ACCEL_MEDIUM 1018
#define IDC_ACCEL_HIGH 1034
#define IDC_POINTER_SPEED 1033
#define IDC_SNAP_DEFAULT 1035

// Controls of the macro page
#define IDC_MACRO1 1005
#define IDC_MACRO2 1006
#define IDC_MACRO3 1018
#define IDC_MACRO1_TEXT 1010
#define IDC_MACRO2_TEXT 1011
#define IDC_MACRO3_TEXT 1126
#define IDC_MACRO1_STORE 1001
#define IDC_MACRO2_STORE 1003
#define IDC_MACRO3_STORE 1004

// Controls of the X/Y page
#define IDC_SPEED_X 1020
#define IDC_SPEED_Y 1021
#define IDC_SPEED_X_VALUE 1125
#define IDC_SPEED_Y_VALUE 1124

// Icon controls of the launcher popup: slot k (1..18) is IDC_POPUP_FIRST_SLOT + k - 1.
#define IDC_POPUP_FIRST_SLOT 1095

// Strings. The application title (ZYFO_APP_TITLE) names the registry profile.
#define IDS_APP_TITLE 0xE000

// Commands of the tray frame. 32773 is carried by no menu item: outside
// programs send it to open the platform's mouse panel. The exit command is
// also how the installer ends a running copy (installer/facts.cmake reads it).
#define ID_OPEN_MOUSE_PANEL 32773
#define ID_CONFIGURATION 32774
#define ID_APP_EXIT 57665
