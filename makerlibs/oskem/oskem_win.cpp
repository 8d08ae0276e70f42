// Oskem.dll: the system-wide keyboard hook of the mouse maker's software. It
// tells the program (its target window) which key the user pressed, for
// recording macros. It never keeps a key from anybody.
#include <windows.h>

#include <atomic>

#include "makerlibs/common/hook_thread_win.h"
#include "makerlibs/include/maker_api_win.h"
#include "makerlibs/include/maker_contract.h"

namespace {

constexpr DWORD kStartTimeoutMs = 5000;
constexpr DWORD kStopTimeoutMs = 5000;

std::atomic<HWND> g_target{nullptr};

// Which keys are down, as far as the hook saw. Touched only by the hook thread.
bool g_down[256];
makerlibs::EventClock g_clock;

// A low-level hook sees Shift, Ctrl and Alt by the side that was pressed; the
// program records and names them by their generic codes.
WPARAM ReportedCode(DWORD vk) {
  switch (vk) {
    case VK_LSHIFT: case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL: case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU: case VK_RMENU: return VK_MENU;
    default: return vk;
  }
}

LRESULT CALLBACK KeyProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    g_clock.Note();
    const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    // Held state by the reported code: one Shift, Ctrl or Alt press may reach
    // the hook as both its generic and its side-specific code (Wine does so for
    // the right-hand keys); it is still one key.
    const WPARAM vk = ReportedCode(info->vkCode & 0xFF);
    if (wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN) {
      // One report per physical press: the auto-repeat of a held key is what a
      // user recording a macro does not mean. Synthesised keys (macro replay,
      // our own program) are never reported.
      if (!(info->flags & LLKHF_INJECTED) && !g_down[vk]) {
        g_down[vk] = true;
        HWND target = g_target.load();
        if (target) PostMessageW(target, makerlibs::WM_HOOK_KEY, vk, 0);
      }
    } else if (wParam == WM_KEYUP || wParam == WM_SYSKEYUP) {
      // Any release clears, synthesised or not: should a physical release ever
      // get lost (another hook ate it), the next press is still reported.
      g_down[vk] = false;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ForgetKeys() {
  for (bool& d : g_down) d = false;
}

makerlibs::HookThread g_hook(WH_KEYBOARD_LL, &KeyProc, &ForgetKeys);

}  // namespace

extern "C" {

int KeyHookStart(void) { return g_hook.Start(kStartTimeoutMs) ? 1 : 0; }

int KeyHookStop(void) { return g_hook.Stop(kStopTimeoutMs) ? 1 : 0; }

void KeyHookSetTarget(HWND target) { g_target.store(target); }

DWORD KeyHookLastEventTime(void) { return g_clock.Last(); }

}  // extern "C"

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
  // The hook thread holds a reference to this library while it runs.
  return TRUE;
}
