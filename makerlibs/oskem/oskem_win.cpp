// Oskem.dll: the system-wide keyboard hook of the mouse maker's software. It
// tells the program (its target window) which key the user pressed, and into
// which window, for recording macros. It never keeps a key from anybody.
#include <windows.h>

#include <atomic>

#include "makerlibs/common/hook_thread_win.h"
#include "makerlibs/include/maker_api_win.h"
#include "makerlibs/include/maker_contract.h"
#include "makerlibs/key_policy.h"

namespace {

constexpr DWORD kStartTimeoutMs = 5000;
constexpr DWORD kStopTimeoutMs = 5000;

std::atomic<HWND> g_target{nullptr};

// Touched only by the hook thread.
makerlibs::keypolicy::HeldKeys g_held;
makerlibs::EventClock g_clock;

LRESULT CALLBACK KeyProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    g_clock.Note();
    const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    makerlibs::keypolicy::KeyEvent event;
    event.vk = info->vkCode;
    event.scanCode = info->scanCode;
    event.down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
    event.injected = (info->flags & LLKHF_INJECTED) != 0;
    // Inside a low-level hook the system's key state is still the one before
    // this event (Windows and Wine alike): down means a repeat of a held key.
    const int reported = static_cast<int>(makerlibs::keypolicy::ReportedCode(event.vk));
    event.heldBefore = event.down && !event.injected && (GetAsyncKeyState(reported) & 0x8000) != 0;
    const makerlibs::keypolicy::Verdict verdict = makerlibs::keypolicy::Decide(event, g_held);
    HWND target = g_target.load();
    // The foreground window goes with the key: the macro page records only
    // keys typed into the sheet, never a password typed elsewhere meanwhile.
    if (verdict.report && target)
      PostMessageW(target, makerlibs::WM_HOOK_KEY, verdict.code, reinterpret_cast<LPARAM>(GetForegroundWindow()));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ForgetKeys() { g_held = makerlibs::keypolicy::HeldKeys{}; }

makerlibs::HookThread g_hook(WH_KEYBOARD_LL, &KeyProc, &ForgetKeys);

}  // namespace

extern "C" {

int KeyHookStart(void) { return g_hook.Start(kStartTimeoutMs) ? 1 : 0; }

int KeyHookStop(void) { return g_hook.Stop(kStopTimeoutMs) ? 1 : 0; }

void KeyHookSetTarget(HWND target) { g_target.store(target); }

DWORD KeyHookLastEventTime(void) { return g_clock.Last(); }

}  // extern "C"
