// Varnel.dll: the system-wide mouse hook of the mouse maker's software. It
// tells the program (its target window) about presses and releases of the
// buttons the user gave another function, and keeps those clicks from reaching
// anybody else; the program performs the function itself.
#include <windows.h>

#include <atomic>

#include "makerlibs/common/hook_thread_win.h"
#include "makerlibs/hook_policy.h"
#include "makerlibs/include/maker_api_win.h"
#include "makerlibs/include/maker_contract.h"

namespace {

namespace policy = makerlibs::hookpolicy;
using policy::Button;

constexpr DWORD kStartTimeoutMs = 5000;
constexpr DWORD kStopTimeoutMs = 5000;

std::atomic<HWND> g_target{nullptr};
// Kept for the maker's future use; see PointerHookSetWheelMode.
std::atomic<int> g_wheelMode{0};

// The latest table, copied. Written by any thread of the program, read by the
// hook for a few ints at a time: a slim lock is never held long enough to make
// the hook wait noticeably.
SRWLOCK g_tableLock = SRWLOCK_INIT;
policy::Table g_table = [] {
  // Until the program hands over its table, every button has its own function
  // (what the program assumes when nothing is stored).
  const int identity[makerlibs::kButtonSlotCount] = {0, 1, 2, 3, 4, 5};
  return policy::MakeTable(identity, makerlibs::kButtonSlotCount);
}();

// Touched only by the hook thread (the hook procedure runs on it).
policy::PressMemory g_memory;
makerlibs::EventClock g_clock;

policy::Table CurrentTable() {
  AcquireSRWLockShared(&g_tableLock);
  policy::Table copy = g_table;
  ReleaseSRWLockShared(&g_tableLock);
  return copy;
}

bool ButtonOf(WPARAM message, DWORD mouseData, Button* button, bool* down) {
  switch (message) {
    case WM_LBUTTONDOWN: *button = Button::Left; *down = true; return true;
    case WM_LBUTTONUP: *button = Button::Left; *down = false; return true;
    case WM_MBUTTONDOWN: *button = Button::Middle; *down = true; return true;
    case WM_MBUTTONUP: *button = Button::Middle; *down = false; return true;
    case WM_RBUTTONDOWN: *button = Button::Right; *down = true; return true;
    case WM_RBUTTONUP: *button = Button::Right; *down = false; return true;
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP: {
      WORD which = HIWORD(mouseData);
      if (which == XBUTTON1) *button = Button::X1;
      else if (which == XBUTTON2) *button = Button::X2;
      else return false;
      *down = message == WM_XBUTTONDOWN;
      return true;
    }
    default:
      // Moves and both wheels always go through.
      return false;
  }
}

// Never blocks and never waits on the program: read, decide, post.
LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    g_clock.Note();
    const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    Button button;
    bool down;
    if (ButtonOf(wParam, info->mouseData, &button, &down)) {
      HWND target = g_target.load();
      policy::Event event;
      event.button = button;
      event.down = down;
      event.injected = (info->flags & LLMHF_INJECTED) != 0;
      // A destroyed target would leave swallowed clicks unperformed.
      event.hasTarget = target != nullptr && IsWindow(target);
      policy::Decision decision = policy::Decide(event, CurrentTable(), g_memory);
      g_memory = decision.memory;
      switch (decision.verdict) {
        case policy::Verdict::ReportAndSwallow:
          PostMessageW(target, down ? makerlibs::WM_MOUSEBTN_DOWN : makerlibs::WM_MOUSEBTN_UP, 0, decision.eventCode);
          return 1;
        case policy::Verdict::Swallow:
          return 1;
        case policy::Verdict::Pass:
          break;
      }
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ForgetPresses() { g_memory = policy::PressMemory{}; }

makerlibs::HookThread g_hook(WH_MOUSE_LL, &MouseProc, &ForgetPresses);

}  // namespace

extern "C" {

int PointerHookStart(void) { return g_hook.Start(kStartTimeoutMs) ? 1 : 0; }

int PointerHookStop(void) { return g_hook.Stop(kStopTimeoutMs) ? 1 : 0; }

void PointerHookSetTarget(HWND target) { g_target.store(target); }

DWORD PointerHookLastEventTime(void) { return g_clock.Last(); }

void PointerHookSetButtonTable(const volatile int* table, int count) {
  // Copied, never kept: the program may change or free its array at any time.
  // Each entry is read through the volatile pointer once, outside the lock.
  int entries[makerlibs::kButtonSlotCount];
  if (!table || count < 0) count = 0;
  if (count > makerlibs::kButtonSlotCount) count = makerlibs::kButtonSlotCount;
  for (int i = 0; i < count; ++i) entries[i] = table[i];
  policy::Table copy = policy::MakeTable(entries, count);
  AcquireSRWLockExclusive(&g_tableLock);
  g_table = copy;
  ReleaseSRWLockExclusive(&g_tableLock);
}

// The mode is accepted and remembered for the maker's future use; it has no
// effect: wheel events always go through untouched.
void PointerHookSetWheelMode(int mode) { g_wheelMode.store(mode); }

}  // extern "C"
