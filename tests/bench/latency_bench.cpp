// How long a button event takes from the hook's message to the synthesised
// input arriving at another program's low-level hook: the real program, its
// fifth button on "Kopieren (Strg+C)", a few hundred events posted to its
// dispatch window as the hook library posts them.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "makerlibs/include/maker_contract.h"
#include "tests/support/input_observer.h"
#include "tests/support/program.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {
constexpr int kEvents = 300;

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  size_t index = static_cast<size_t>(p * (values.size() - 1) + 0.5);
  return values[index];
}
}  // namespace

int main() {
  e2e::EndAllInstances();
  DeleteProgramSettings();
  WriteUserDword("Software\\Trovane Mouse\\Pelrand\\Setting For Key", "key4", 9);
  e2e::Program program;
  if (!program.StartAndWait()) {
    std::printf("bench_latency: the program did not start\n");
    return 1;
  }
  HWND dispatch = program.Dispatch();
  InputObserver observer;
  PumpFor(200);

  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  std::vector<double> firstKeyMs, wholeActionMs;
  for (int i = 0; i < kEvents; ++i) {
    observer.Clear();
    LARGE_INTEGER posted;
    ::QueryPerformanceCounter(&posted);
    // The press of a one-shot function sends nothing; the release sends it all.
    ::PostMessageA(dispatch, makerlibs::WM_MOUSEBTN_DOWN, 0, 14);
    ::PostMessageA(dispatch, makerlibs::WM_MOUSEBTN_UP, 0, 14);
    if (!PumpUntil([&] { return observer.Injected().size() >= 4; }, 2000)) {
      std::printf("bench_latency: event %d produced no complete shortcut\n", i);
      return 1;
    }
    std::vector<ObservedInput> seen = observer.Injected();
    auto ms = [&](const ObservedInput& input) {
      return 1000.0 * static_cast<double>(input.counter.QuadPart - posted.QuadPart) / frequency.QuadPart;
    };
    firstKeyMs.push_back(ms(seen.front()));
    wholeActionMs.push_back(ms(seen[3]));
  }
  std::printf("bench_latency: %d posted button releases (Ctrl+C) to the observer hook\n", kEvents);
  std::printf("  first key:    median %.3f ms, p99 %.3f ms\n", Percentile(firstKeyMs, 0.5),
              Percentile(firstKeyMs, 0.99));
  std::printf("  whole action: median %.3f ms, p99 %.3f ms\n", Percentile(wholeActionMs, 0.5),
              Percentile(wholeActionMs, 0.99));
  return 0;
}
