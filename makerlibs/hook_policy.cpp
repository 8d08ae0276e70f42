#include "makerlibs/hook_policy.h"

namespace makerlibs {
namespace hookpolicy {

Table MakeTable(const int* entries, int count) {
  Table table;
  if (!entries || count <= 0) return table;
  if (count > kButtonSlotCount) count = kButtonSlotCount;
  for (int i = 0; i < count; ++i) table.codes[i] = entries[i];
  return table;
}

int SlotOf(Button button) { return static_cast<int>(button); }

int EventCodeOf(Button button) { return EventCodeOfSlot(SlotOf(button)); }

Verdict VerdictFor(Button button, const Table& table) {
  const int slot = SlotOf(button);
  const int code = table.codes[slot];
  if (!IsValidFunction(code)) {
    // Fail open: a left, wheel or right button without a function (an old
    // stored -1, or whatever an outside tool wrote) keeps doing what it does
    // by itself, so nobody is left without a primary click or a context menu.
    // The 4th and 5th have nothing of their own: for them no function means silence.
    return slot == kSlotLeft || slot == kSlotWheel || slot == kSlotRight ? Verdict::Pass : Verdict::Swallow;
  }
  if (IsNativeFunction(slot, code)) return Verdict::Pass;
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
}  // namespace makerlibs
