// What the mouse hook does with each physical button event: let it through,
// report it to the program and swallow it, or swallow it silently. Portable: no
// Windows headers, so the rules are unit-tested natively and compiled into
// Varnel.dll unchanged.
#pragma once

#include "makerlibs/include/maker_contract.h"

namespace makerlibs {
namespace hookpolicy {

// The physical buttons an ordinary mouse has. The table's sixth slot has no
// physical source, so it never appears here.
enum class Button { Left = 0, Middle = 1, Right = 2, X1 = 3, X2 = 4 };
constexpr int kPhysicalButtonCount = 5;

// Event code of the sixth slot; reported by nothing, listed for completeness.
constexpr int kSixthSlotEventCode = kEventCodes[kSlotSixth];

enum class Verdict {
  Pass,              // hand the event on untouched, report nothing
  ReportAndSwallow,  // tell the program, keep the event from everybody else
  Swallow,           // keep the event from everybody else, report nothing
};

// A copy of the program's table, taken when the program hands it over.
struct Table {
  int codes[kButtonSlotCount] = {-1, -1, -1, -1, -1, -1};
};

// Builds a table from count entries (clamped to 0..kButtonSlotCount); missing
// entries mean "no function". entries may be null when count is 0.
Table MakeTable(const int* entries, int count);

// What was decided at each button's press, so that the release gets the same.
struct PressMemory {
  bool down[kPhysicalButtonCount] = {};
  Verdict verdict[kPhysicalButtonCount] = {};
};

struct Event {
  Button button = Button::Left;
  bool down = true;       // press or release
  bool injected = false;  // synthesised input (ours or anybody's)
  bool hasTarget = true;  // a window is there to perform the functions
};

struct Decision {
  Verdict verdict = Verdict::Pass;
  int eventCode = 0;  // the button's event code, whatever the verdict
  PressMemory memory;  // the memory to keep for the next event
};

int SlotOf(Button button);
int EventCodeOf(Button button);

// The decision a press would get from the table alone.
Verdict VerdictFor(Button button, const Table& table);

// The whole rule, without side effects: the verdict for one event and the press
// memory to keep afterwards.
Decision Decide(const Event& event, const Table& table, const PressMemory& memory);

}  // namespace hookpolicy
}  // namespace makerlibs
