// The primitive operations a button function is made of, with the Win32
// numbers they carry (portable copies, checked against the real ones by the
// tests). The executor performs them; nothing here decides anything.
// Portable: no Windows headers.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <variant>

namespace actions {

// mouse_event flags.
constexpr std::uint32_t kMouseLeftDown = 0x0002;    // MOUSEEVENTF_LEFTDOWN
constexpr std::uint32_t kMouseLeftUp = 0x0004;      // MOUSEEVENTF_LEFTUP
constexpr std::uint32_t kMouseRightDown = 0x0008;   // MOUSEEVENTF_RIGHTDOWN
constexpr std::uint32_t kMouseRightUp = 0x0010;     // MOUSEEVENTF_RIGHTUP
constexpr std::uint32_t kMouseMiddleDown = 0x0020;  // MOUSEEVENTF_MIDDLEDOWN
constexpr std::uint32_t kMouseMiddleUp = 0x0040;    // MOUSEEVENTF_MIDDLEUP
constexpr std::uint32_t kMouseXDown = 0x0080;       // MOUSEEVENTF_XDOWN
constexpr std::uint32_t kMouseXUp = 0x0100;         // MOUSEEVENTF_XUP
// mouse_event data of the X events.
constexpr std::uint32_t kXButton1 = 1;  // XBUTTON1
constexpr std::uint32_t kXButton2 = 2;  // XBUTTON2

// keybd_event flags. Every synthesised key is sent as an extended key.
constexpr std::uint32_t kKeyExtended = 0x1;  // KEYEVENTF_EXTENDEDKEY
constexpr std::uint32_t kKeyUp = 0x2;        // KEYEVENTF_KEYUP
constexpr std::uint32_t kKeyDownFlags = kKeyExtended;
constexpr std::uint32_t kKeyUpFlags = kKeyExtended | kKeyUp;

// Virtual keys.
constexpr std::uint8_t kVkBack = 0x08;     // VK_BACK
constexpr std::uint8_t kVkTab = 0x09;      // VK_TAB
constexpr std::uint8_t kVkReturn = 0x0D;   // VK_RETURN
constexpr std::uint8_t kVkShift = 0x10;    // VK_SHIFT
constexpr std::uint8_t kVkControl = 0x11;  // VK_CONTROL
constexpr std::uint8_t kVkMenu = 0x12;     // VK_MENU (Alt)
constexpr std::uint8_t kVkEscape = 0x1B;   // VK_ESCAPE
constexpr std::uint8_t kVkSpace = 0x20;    // VK_SPACE
constexpr std::uint8_t kVkPrior = 0x21;    // VK_PRIOR (page up)
constexpr std::uint8_t kVkNext = 0x22;     // VK_NEXT (page down)
constexpr std::uint8_t kVkDelete = 0x2E;   // VK_DELETE
constexpr std::uint8_t kVkLWin = 0x5B;     // VK_LWIN
constexpr std::uint8_t kVkF1 = 0x70;       // VK_F1; VK_F2..VK_F12 follow in order

// Window messages posted to the foreground window.
constexpr std::uint32_t kWmClose = 0x0010;       // WM_CLOSE
constexpr std::uint32_t kWmCommand = 0x0111;     // WM_COMMAND
constexpr std::uint32_t kWmSysCommand = 0x0112;  // WM_SYSCOMMAND
constexpr std::uint32_t kScMinimize = 0xF020;    // SC_MINIMIZE
constexpr std::uint32_t kScMaximize = 0xF030;    // SC_MAXIMIZE
// Explorer's command that opens the Favorites folder.
constexpr std::uint32_t kFavoritesCommand = 41522;

// Window classes that the maximise and minimise functions leave alone.
constexpr const char* kTaskbarClass = "Shell_TrayWnd";
constexpr const char* kTabControlClass = "SysTabControl32";

struct MouseOp {
  std::uint32_t flags;  // one mouse_event flag; never MOVE nor ABSOLUTE
  std::uint32_t data;   // kXButton1/kXButton2 for X events, else 0
  bool atCursor;        // true: dx,dy = current cursor position; false: dx = dy = 0
};

struct KeyOp {
  std::uint8_t vk;
  std::uint32_t flags;  // kKeyDownFlags or kKeyUpFlags; the scan code is always 0
};

enum class ForegroundRule {
  Any,                       // whatever window is in the foreground
  NotTaskbar,                // skip the taskbar
  NotMinimisedTaskbarOrTab,  // skip a minimised window, the taskbar and tab controls
};

struct PostToForeground {
  std::uint32_t message;
  std::uint64_t wParam;
  std::int64_t lParam;
  ForegroundRule rule;
};

enum class ShellAction { OpenDrivesFolder, FindComputer, FindFiles, FileRun, ShowDesktop };

struct ShellOp {
  ShellAction action;
};

// Opens the Hot Button launcher unless one is already open.
struct PopupOp {};

using Op = std::variant<MouseOp, KeyOp, PostToForeground, ShellOp, PopupOp>;

bool operator==(const MouseOp& a, const MouseOp& b);
bool operator==(const KeyOp& a, const KeyOp& b);
bool operator==(const PostToForeground& a, const PostToForeground& b);
bool operator==(const ShellOp& a, const ShellOp& b);
bool operator==(const PopupOp& a, const PopupOp& b);
bool operator!=(const MouseOp& a, const MouseOp& b);
bool operator!=(const KeyOp& a, const KeyOp& b);
bool operator!=(const PostToForeground& a, const PostToForeground& b);
bool operator!=(const ShellOp& a, const ShellOp& b);
bool operator!=(const PopupOp& a, const PopupOp& b);

// Readable forms, e.g. "Mouse(LEFTDOWN, data 0, at cursor)" or "Key(0x43 up)", for
// logs and test failures.
std::ostream& operator<<(std::ostream& os, const MouseOp& op);
std::ostream& operator<<(std::ostream& os, const KeyOp& op);
std::ostream& operator<<(std::ostream& os, const PostToForeground& op);
std::ostream& operator<<(std::ostream& os, const ShellOp& op);
std::ostream& operator<<(std::ostream& os, const PopupOp& op);
std::string ToString(const Op& op);

}  // namespace actions
