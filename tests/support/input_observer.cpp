#include "tests/support/input_observer.h"

#include <cstdio>
#include <map>

namespace testsupport {
namespace {
std::vector<ObservedInput>* g_seen = nullptr;

LRESULT CALLBACK Observe(int code, WPARAM wp, LPARAM lp, bool keyboard) {
  if (code == HC_ACTION && g_seen && wp != WM_MOUSEMOVE) {
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp);
    const auto* mouse = reinterpret_cast<const MSLLHOOKSTRUCT*>(lp);
    ObservedInput input{keyboard, static_cast<UINT>(wp), keyboard ? key->vkCode : 0,
                        keyboard ? key->flags : mouse->flags, keyboard ? 0 : mouse->mouseData, {}};
    ::QueryPerformanceCounter(&input.counter);
    g_seen->push_back(input);
  }
  return ::CallNextHookEx(nullptr, code, wp, lp);
}
LRESULT CALLBACK KeyboardProc(int code, WPARAM wp, LPARAM lp) { return Observe(code, wp, lp, true); }
LRESULT CALLBACK MouseProc(int code, WPARAM wp, LPARAM lp) { return Observe(code, wp, lp, false); }

// An injected event as "k11" (key), "l", "r", "m" or "x1" (buttons), whether
// it is a press; false for what is neither.
bool Describe(const ObservedInput& input, std::string* name, bool* down) {
  const UINT m = input.message;
  if (input.keyboard) {
    *name = "k" + std::to_string(input.vk);
    *down = m != WM_KEYUP && m != WM_SYSKEYUP;
    return true;
  }
  *down = m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN || m == WM_XBUTTONDOWN;
  if (m == WM_LBUTTONDOWN || m == WM_LBUTTONUP) *name = "l";
  else if (m == WM_RBUTTONDOWN || m == WM_RBUTTONUP) *name = "r";
  else if (m == WM_MBUTTONDOWN || m == WM_MBUTTONUP) *name = "m";
  else if (m == WM_XBUTTONDOWN || m == WM_XBUTTONUP) *name = "x" + std::to_string(HIWORD(input.mouseData));
  else return false;
  return true;
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

std::vector<ObservedInput> InputObserver::Injected() const {
  std::vector<ObservedInput> injected;
  for (const ObservedInput& input : m_seen)
    if (input.flags & (input.keyboard ? LLKHF_INJECTED : LLMHF_INJECTED)) injected.push_back(input);
  return injected;
}

std::string InputObserver::InjectedText() const {
  std::string text, name;
  char item[32];
  bool down = false;
  for (const ObservedInput& input : Injected()) {
    const bool known = Describe(input, &name, &down);
    if (input.keyboard)
      std::snprintf(item, sizeof item, "k%c%02lx:%02lx", down ? 'd' : 'u', static_cast<unsigned long>(input.vk),
                    static_cast<unsigned long>(input.flags));
    else if (known)
      std::snprintf(item, sizeof item, "%c%c%s", name[0], down ? 'd' : 'u', name.substr(1).c_str());
    else
      std::snprintf(item, sizeof item, "m%04x", input.message);
    text += (text.empty() ? "" : " ") + std::string(item);
  }
  return text;
}

std::string InputObserver::Unreleased() const {
  std::map<std::string, int> balance;
  std::string name;
  bool down = false;
  for (const ObservedInput& input : Injected())
    if (Describe(input, &name, &down)) balance[name] += down ? 1 : -1;
  const std::map<std::string, std::string> spelled{{"l", "left"}, {"r", "right"}, {"m", "middle"}};
  std::string text;
  for (const auto& [key, count] : balance)
    if (count > 0) text += (text.empty() ? "" : " ") + (spelled.count(key) ? spelled.at(key) : key);
  return text;
}

}  // namespace testsupport
