#include "tests/support/input_observer.h"

#include <cstdio>
#include <map>

namespace testsupport {
namespace {
std::vector<ObservedInput>* g_seen = nullptr;

void Record(const ObservedInput& input) {
  if (g_seen) g_seen->push_back(input);
}
}  // namespace

InputObserver::InputObserver() {
  g_seen = &m_seen;
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  m_keyboard = ::SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardProc, instance, 0);
  m_mouse = ::SetWindowsHookExA(WH_MOUSE_LL, MouseProc, instance, 0);
}

InputObserver::~InputObserver() {
  if (m_keyboard) ::UnhookWindowsHookEx(m_keyboard);
  if (m_mouse) ::UnhookWindowsHookEx(m_mouse);
  g_seen = nullptr;
}

LRESULT CALLBACK InputObserver::KeyboardProc(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION) {
    const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp);
    ObservedInput input{true, static_cast<UINT>(wp), info->vkCode, info->flags, 0, ::GetTickCount(), {}};
    ::QueryPerformanceCounter(&input.counter);
    Record(input);
  }
  return ::CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK InputObserver::MouseProc(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION && wp != WM_MOUSEMOVE) {
    const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lp);
    ObservedInput input{false, static_cast<UINT>(wp), 0, info->flags, info->mouseData, ::GetTickCount(), {}};
    ::QueryPerformanceCounter(&input.counter);
    Record(input);
  }
  return ::CallNextHookEx(nullptr, code, wp, lp);
}

std::vector<ObservedInput> InputObserver::Injected() const {
  std::vector<ObservedInput> injected;
  for (const ObservedInput& input : m_seen) {
    DWORD injectedFlag = input.keyboard ? LLKHF_INJECTED : LLMHF_INJECTED;
    if (input.flags & injectedFlag) injected.push_back(input);
  }
  return injected;
}

std::string InputObserver::InjectedText() const {
  std::string text;
  char item[32];
  for (const ObservedInput& input : Injected()) {
    if (input.keyboard) {
      bool up = input.message == WM_KEYUP || input.message == WM_SYSKEYUP;
      std::snprintf(item, sizeof item, "k%c%02lx:%02lx", up ? 'u' : 'd', static_cast<unsigned long>(input.vk),
                    static_cast<unsigned long>(input.flags));
    } else {
      switch (input.message) {
        case WM_LBUTTONDOWN: std::snprintf(item, sizeof item, "ld"); break;
        case WM_LBUTTONUP: std::snprintf(item, sizeof item, "lu"); break;
        case WM_RBUTTONDOWN: std::snprintf(item, sizeof item, "rd"); break;
        case WM_RBUTTONUP: std::snprintf(item, sizeof item, "ru"); break;
        case WM_MBUTTONDOWN: std::snprintf(item, sizeof item, "md"); break;
        case WM_MBUTTONUP: std::snprintf(item, sizeof item, "mu"); break;
        case WM_XBUTTONDOWN: std::snprintf(item, sizeof item, "xd%u", HIWORD(input.mouseData)); break;
        case WM_XBUTTONUP: std::snprintf(item, sizeof item, "xu%u", HIWORD(input.mouseData)); break;
        default: std::snprintf(item, sizeof item, "m%04x", input.message); break;
      }
    }
    if (!text.empty()) text += ' ';
    text += item;
  }
  return text;
}

std::string InputObserver::Unreleased() const {
  std::map<std::string, int> balance;
  for (const ObservedInput& input : Injected()) {
    std::string name;
    int step = 0;
    if (input.keyboard) {
      name = "k" + std::to_string(input.vk);
      step = input.message == WM_KEYUP || input.message == WM_SYSKEYUP ? -1 : 1;
    } else {
      switch (input.message) {
        case WM_LBUTTONDOWN: case WM_LBUTTONUP: name = "left"; break;
        case WM_RBUTTONDOWN: case WM_RBUTTONUP: name = "right"; break;
        case WM_MBUTTONDOWN: case WM_MBUTTONUP: name = "middle"; break;
        case WM_XBUTTONDOWN: case WM_XBUTTONUP: name = "x" + std::to_string(HIWORD(input.mouseData)); break;
        default: continue;
      }
      step = input.message == WM_LBUTTONUP || input.message == WM_RBUTTONUP || input.message == WM_MBUTTONUP ||
                     input.message == WM_XBUTTONUP
                 ? -1
                 : 1;
    }
    balance[name] += step;
  }
  std::string text;
  for (const auto& entry : balance)
    if (entry.second > 0) text += (text.empty() ? "" : " ") + entry.first;
  return text;
}

}  // namespace testsupport
