#include "makerlibs/hook_policy.h"

namespace hookpolicy {

Table MakeTable(const int* entries, int count) {
  Table table;
  if (!entries || count <= 0) return table;
  if (count > kSlotCount) count = kSlotCount;
  for (int i = 0; i < count; ++i) table.codes[i] = entries[i];
  return table;
}

int SlotOf(Button button) { return static_cast<int>(button); }

int EventCodeOf(Button button) { return catalogue::EventCodeOfSlot(SlotOf(button)); }

bool IsValidFunction(int code) { return catalogue::IsValidCode(code); }

bool IsNativeFunction(Button button, int code) {
  switch (button) {
    case Button::Left:
      return code == 0 || code == 7;
    case Button::Middle:
      return code == 1;
    case Button::Right:
      return code == 2;
    case Button::X1:
    case Button::X2:
      // The program performs "4th/5th button" itself by synthesising an X click,
      // so these buttons are never handed on as they are.
      return false;
  }
  return false;
}

Verdict VerdictFor(Button button, const Table& table) {
  int code = table.codes[SlotOf(button)];
  if (!IsValidFunction(code)) {
    // Never leave the user without a working primary click.
    return button == Button::Left ? Verdict::Pass : Verdict::Swallow;
  }
  if (IsNativeFunction(button, code)) return Verdict::Pass;
  return Verdict::ReportAndSwallow;
}

Decision Decide(const Event& event, const Table& table, const PressMemory& memory) {
  Decision result;
  result.eventCode = EventCodeOf(event.button);
  result.memory = memory;
  // Our own synthesised clicks must not loop back, and anybody else's
  // synthesised input is none of our business: hand it on, remember nothing.
  if (event.injected) {
    result.verdict = Verdict::Pass;
    return result;
  }
  const int i = SlotOf(event.button);
  if (event.down) {
    // Without a window to perform the functions, nothing may be eaten.
    result.verdict = event.hasTarget ? VerdictFor(event.button, table) : Verdict::Pass;
    result.memory.down[i] = true;
    result.memory.verdict[i] = result.verdict;
    return result;
  }
  if (memory.down[i]) {
    // Same fate as the press, whatever changed since: a swallowed press must
    // not be followed by a stray release, a passed press must not lose its
    // release (the button would stay down for the system).
    result.verdict = memory.verdict[i];
    // Except that a report nobody can receive must not be promised: the press
    // was swallowed, so swallow the release too, silently.
    if (result.verdict == Verdict::ReportAndSwallow && !event.hasTarget) result.verdict = Verdict::Swallow;
  } else {
    result.verdict = event.hasTarget ? VerdictFor(event.button, table) : Verdict::Pass;
  }
  result.memory.down[i] = false;
  result.memory.verdict[i] = Verdict::Pass;
  return result;
}

}  // namespace hookpolicy
