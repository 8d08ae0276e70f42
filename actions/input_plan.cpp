#include "actions/input_plan.h"

#include <cstddef>
#include <iomanip>
#include <ostream>
#include <sstream>

#include "actions/catalogue.h"

namespace plan {
namespace {

constexpr int kFirstMacroCode = 48;
constexpr int kMacroEntries = 10;
constexpr int kMacroPressEntries = 5;
constexpr int kPopupCode = 47;
constexpr int kFirstFunctionKeyCode = 35;
constexpr int kLastFunctionKeyCode = 46;

struct MouseButton {
  std::uint32_t down;
  std::uint32_t up;
};

// Held functions that stand for a mouse button; false when the code is none.
bool HeldMouseButton(int code, MouseButton& button) {
  switch (code) {
    case 0:  // click
    case 7:  // click lock behaves exactly like a plain click
      button = {kMouseLeftDown, kMouseLeftUp};
      return true;
    case 1:  // auto scroll is the wheel button
      button = {kMouseMiddleDown, kMouseMiddleUp};
      return true;
    case 2:
      button = {kMouseRightDown, kMouseRightUp};
      return true;
    default:
      return false;
  }
}

// Virtual key of a held key function, or 0 when the code is none.
std::uint8_t HeldKey(int code) {
  if (code >= kFirstFunctionKeyCode && code <= kLastFunctionKeyCode) {
    return static_cast<std::uint8_t>(kVkF1 + (code - kFirstFunctionKeyCode));
  }
  switch (code) {
    case 5: return kVkMenu;
    case 6: return kVkBack;
    case 10: return kVkControl;
    case 12: return kVkDelete;
    case 14: return kVkReturn;
    case 15: return kVkEscape;
    case 17: return kVkNext;
    case 18: return kVkPrior;
    case 29: return kVkShift;
    case 30: return kVkSpace;
    case 31: return kVkLWin;
    case 32: return kVkTab;
    default: return 0;
  }
}

KeyOp KeyDown(std::uint8_t vk) { return KeyOp{vk, kKeyDownFlags}; }
KeyOp KeyUp(std::uint8_t vk) { return KeyOp{vk, kKeyUpFlags}; }

// The modifier goes up before the key, as the program has always sent it.
std::vector<Op> Shortcut(std::uint8_t modifier, std::uint8_t key) {
  return {KeyDown(modifier), KeyDown(key), KeyUp(modifier), KeyUp(key)};
}

std::vector<Op> XClick(std::uint32_t xButton) {
  return {MouseOp{kMouseXDown, xButton, false}, MouseOp{kMouseXUp, xButton, false}};
}

std::vector<Op> Post(std::uint32_t message, std::uint64_t wParam, ForegroundRule rule) {
  return {PostToForeground{message, wParam, 0, rule}};
}

std::vector<Op> MacroReplay(int macro, const MacroTable& macros) {
  std::vector<Op> ops;
  const std::size_t first = static_cast<std::size_t>(macro * kMacroEntries);
  // Empty entries go out as key 0 rather than being skipped: macros have always
  // replayed all ten entries, and stored macros must keep behaving as they did.
  for (std::size_t i = 0; i < static_cast<std::size_t>(kMacroEntries); ++i) {
    const auto vk = static_cast<std::uint8_t>(macros[first + i] & 0xFF);
    ops.push_back(i < static_cast<std::size_t>(kMacroPressEntries) ? KeyDown(vk) : KeyUp(vk));
  }
  return ops;
}

std::vector<Op> OneShotRelease(int code, const MacroTable& macros) {
  switch (code) {
    case 3: return XClick(kXButton1);
    case 4: return XClick(kXButton2);
    case 8: return Post(kWmClose, 0, ForegroundRule::Any);
    case 9: return Shortcut(kVkControl, 'C');
    case 11: return Shortcut(kVkControl, 'X');
    case 13:
      return {MouseOp{kMouseLeftDown, 0, false}, MouseOp{kMouseLeftUp, 0, false},
              MouseOp{kMouseLeftDown, 0, false}, MouseOp{kMouseLeftUp, 0, false}};
    case 16: return {ShellOp{ShellAction::OpenDrivesFolder}};
    case 19: return Post(kWmCommand, kFavoritesCommand, ForegroundRule::Any);
    case 20: return {ShellOp{ShellAction::FindComputer}};
    case 21: return {ShellOp{ShellAction::FindFiles}};
    case 22: return Post(kWmSysCommand, kScMaximize, ForegroundRule::NotTaskbar);
    case 23: return Post(kWmSysCommand, kScMinimize, ForegroundRule::NotMinimisedTaskbarOrTab);
    case 24: return Shortcut(kVkControl, 'V');
    case 25: return Shortcut(kVkMenu, kVkTab);
    case 26: return Shortcut(kVkControl, 'Y');
    case 27: return {ShellOp{ShellAction::FileRun}};
    case 28: return Shortcut(kVkControl, 'A');
    case 33: return Shortcut(kVkControl, 'Z');
    case 34: return {ShellOp{ShellAction::ShowDesktop}};
    case 48:
    case 49:
    case 50: return MacroReplay(code - kFirstMacroCode, macros);
    default: return {};
  }
}

const char* MouseFlagName(std::uint32_t flags) {
  switch (flags) {
    case kMouseLeftDown: return "LEFTDOWN";
    case kMouseLeftUp: return "LEFTUP";
    case kMouseRightDown: return "RIGHTDOWN";
    case kMouseRightUp: return "RIGHTUP";
    case kMouseMiddleDown: return "MIDDLEDOWN";
    case kMouseMiddleUp: return "MIDDLEUP";
    case kMouseXDown: return "XDOWN";
    case kMouseXUp: return "XUP";
    default: return nullptr;
  }
}

const char* RuleName(ForegroundRule rule) {
  switch (rule) {
    case ForegroundRule::Any: return "any window";
    case ForegroundRule::NotTaskbar: return "not the taskbar";
    case ForegroundRule::NotMinimisedTaskbarOrTab: return "not minimised, taskbar or tab";
  }
  return "?";
}

const char* ShellName(ShellAction action) {
  switch (action) {
    case ShellAction::OpenDrivesFolder: return "OpenDrivesFolder";
    case ShellAction::FindComputer: return "FindComputer";
    case ShellAction::FindFiles: return "FindFiles";
    case ShellAction::FileRun: return "FileRun";
    case ShellAction::ShowDesktop: return "ShowDesktop";
  }
  return "?";
}

// Prints a number as 0x.. without leaving the stream in hex mode.
std::string Hex(std::uint64_t value) {
  std::ostringstream text;
  text << "0x" << std::hex << std::uppercase << value;
  return text.str();
}

}  // namespace

bool operator==(const MouseOp& a, const MouseOp& b) {
  return a.flags == b.flags && a.data == b.data && a.atCursor == b.atCursor;
}
bool operator==(const KeyOp& a, const KeyOp& b) { return a.vk == b.vk && a.flags == b.flags; }
bool operator==(const PostToForeground& a, const PostToForeground& b) {
  return a.message == b.message && a.wParam == b.wParam && a.lParam == b.lParam &&
         a.rule == b.rule;
}
bool operator==(const ShellOp& a, const ShellOp& b) { return a.action == b.action; }
bool operator==(const PopupOp&, const PopupOp&) { return true; }
bool operator==(const ShowResolutionOp& a, const ShowResolutionOp& b) {
  return a.level == b.level;
}
bool operator!=(const MouseOp& a, const MouseOp& b) { return !(a == b); }
bool operator!=(const KeyOp& a, const KeyOp& b) { return !(a == b); }
bool operator!=(const PostToForeground& a, const PostToForeground& b) { return !(a == b); }
bool operator!=(const ShellOp& a, const ShellOp& b) { return !(a == b); }
bool operator!=(const PopupOp& a, const PopupOp& b) { return !(a == b); }
bool operator!=(const ShowResolutionOp& a, const ShowResolutionOp& b) { return !(a == b); }

std::ostream& operator<<(std::ostream& os, const MouseOp& op) {
  const char* name = MouseFlagName(op.flags);
  os << "Mouse(" << (name ? std::string(name) : Hex(op.flags)) << ", data " << op.data << ", "
     << (op.atCursor ? "at cursor" : "at 0,0") << ")";
  return os;
}

std::ostream& operator<<(std::ostream& os, const KeyOp& op) {
  os << "Key(" << Hex(op.vk);
  if (op.flags == kKeyDownFlags) {
    os << " down";
  } else if (op.flags == kKeyUpFlags) {
    os << " up";
  } else {
    os << " flags " << Hex(op.flags);
  }
  return os << ")";
}

std::ostream& operator<<(std::ostream& os, const PostToForeground& op) {
  return os << "Post(message " << Hex(op.message) << ", wParam " << Hex(op.wParam) << ", lParam "
            << op.lParam << ", " << RuleName(op.rule) << ")";
}

std::ostream& operator<<(std::ostream& os, const ShellOp& op) {
  return os << "Shell(" << ShellName(op.action) << ")";
}

std::ostream& operator<<(std::ostream& os, const PopupOp&) { return os << "Popup()"; }

std::ostream& operator<<(std::ostream& os, const ShowResolutionOp& op) {
  return os << "ShowResolution(" << op.level << ")";
}

std::string ToString(const Op& op) {
  std::ostringstream text;
  std::visit([&text](const auto& alternative) { text << alternative; }, op);
  return text.str();
}

std::vector<Op> PlanForFunction(int code, Notification n, const MacroTable& macros) {
  if (!catalogue::IsValidCode(code)) return {};
  const bool press = n == Notification::Press;
  switch (catalogue::KindOf(code)) {
    case catalogue::FunctionKind::Popup:
      return {PopupOp{}};
    case catalogue::FunctionKind::OneShot:
      return press ? std::vector<Op>{} : OneShotRelease(code, macros);
    case catalogue::FunctionKind::Held: {
      MouseButton button{};
      if (HeldMouseButton(code, button)) {
        return {MouseOp{press ? button.down : button.up, 0, true}};
      }
      const std::uint8_t vk = HeldKey(code);
      if (vk == 0) return {};
      return {press ? KeyDown(vk) : KeyUp(vk)};
    }
  }
  return {};
}

std::vector<Op> PlanForEvent(int eventCode, Notification n, const ButtonTable& buttonTable,
                             const MacroTable& macros) {
  const int level = catalogue::ResolutionLevelOfEventCode(eventCode);
  if (level >= 0) {
    // The device reports the new resolution once, on release.
    if (n == Notification::Release) return {ShowResolutionOp{level}};
    return {};
  }
  const int slot = catalogue::SlotOfEventCode(eventCode);
  if (slot < 0) return {};
  return PlanForFunction(buttonTable[static_cast<std::size_t>(slot)], n, macros);
}

bool RuleAllowsWindow(ForegroundRule rule, const std::string& windowClass, bool minimised) {
  switch (rule) {
    case ForegroundRule::Any:
      return true;
    case ForegroundRule::NotTaskbar:
      return windowClass != kTaskbarClass;
    case ForegroundRule::NotMinimisedTaskbarOrTab:
      return !minimised && windowClass != kTaskbarClass && windowClass != kTabControlClass;
  }
  return false;
}

}  // namespace plan
