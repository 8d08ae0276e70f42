#include "tests/support/handle_probe.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace testsupport {
namespace {

int Slot(const void* handle) { return static_cast<int>(reinterpret_cast<UINT_PTR>(handle) & 0xFFFF); }

// Takes fresh handles: first the table's free entries, then new ones from its
// top, which come in an unbroken ascending run. The entries in use are the
// top minus the free entries that were taken before the run began.
int InUse(const std::function<void*()>& create, const std::function<void(void*)>& destroy, int step) {
  constexpr int kRun = 200;
  constexpr std::size_t kLimit = 40000;
  std::vector<void*> handles;
  std::size_t runStart = 0;
  int high = -1, run = 0;
  while (handles.size() < kLimit && run < kRun) {
    void* handle = create();
    if (!handle) break;
    const int slot = Slot(handle);
    if (slot > high) {
      if (run > 0 && slot == high + step) {
        ++run;
      } else {
        run = 1;
        runStart = handles.size();
      }
      high = slot;
    } else {
      run = 0;
    }
    handles.push_back(handle);
  }
  const int top = runStart < handles.size() ? Slot(handles[runStart]) / step : high / step;
  // Freed in the order taken: the next probe meets them in the reverse order,
  // never as an ascending run.
  for (void* handle : handles) destroy(handle);
  return top - static_cast<int>(runStart);
}

}  // namespace

int UserHandlesInUse() {
  static const BYTE andMask[4 * 4] = {}, xorMask[4 * 4] = {};
  // USER handle slots go in steps of two.
  return InUse([] { return static_cast<void*>(::CreateIcon(::GetModuleHandleA(nullptr), 4, 4, 1, 1, andMask, xorMask)); },
               [](void* icon) { ::DestroyIcon(static_cast<HICON>(icon)); }, 2);
}

}  // namespace testsupport
