#include "actions/input_ops.h"

#include <iomanip>
#include <ostream>
#include <sstream>

namespace actions {
namespace {

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
bool operator!=(const MouseOp& a, const MouseOp& b) { return !(a == b); }
bool operator!=(const KeyOp& a, const KeyOp& b) { return !(a == b); }
bool operator!=(const PostToForeground& a, const PostToForeground& b) { return !(a == b); }
bool operator!=(const ShellOp& a, const ShellOp& b) { return !(a == b); }
bool operator!=(const PopupOp& a, const PopupOp& b) { return !(a == b); }

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

std::string ToString(const Op& op) {
  std::ostringstream text;
  std::visit([&text](const auto& alternative) { text << alternative; }, op);
  return text.str();
}

}  // namespace actions
