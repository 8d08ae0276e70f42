#include "tests/support/handle_probe.h"

#include <windows.h>

#include <vector>

namespace testsupport {
namespace {
constexpr int kProbes = 300;

int Slot(const void* handle) { return static_cast<int>(reinterpret_cast<UINT_PTR>(handle) & 0xFFFF); }
}  // namespace

int UserHandleHighWater() {
  static const BYTE andMask[4 * 4] = {}, xorMask[4 * 4] = {};
  std::vector<HICON> icons;
  int high = 0;
  for (int i = 0; i < kProbes; ++i) {
    HICON icon = ::CreateIcon(::GetModuleHandleA(nullptr), 4, 4, 1, 1, andMask, xorMask);
    if (!icon) break;
    icons.push_back(icon);
    if (Slot(icon) > high) high = Slot(icon);
  }
  for (HICON icon : icons) ::DestroyIcon(icon);
  return high;
}

int GdiHandleHighWater() {
  std::vector<HBRUSH> brushes;
  int high = 0;
  for (int i = 0; i < kProbes; ++i) {
    HBRUSH brush = ::CreateSolidBrush(RGB(i, 0, 0));
    if (!brush) break;
    brushes.push_back(brush);
    if (Slot(brush) > high) high = Slot(brush);
  }
  for (HBRUSH brush : brushes) ::DeleteObject(brush);
  return high;
}

}  // namespace testsupport
