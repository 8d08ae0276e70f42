#include "sheet/doubleclick_speed.h"

namespace sheet {
namespace {

int ClampToSlider(int pos) {
  if (pos < kSliderMin) return kSliderMin;
  if (pos > kSliderMax) return kSliderMax;
  return pos;
}

}  // namespace

int SliderFromTime(unsigned ms) {
  const unsigned steps = ms / kMsPerStep;
  // Compared as unsigned first so that huge times cannot overflow an int.
  if (steps > static_cast<unsigned>(kSliderMax)) return kSliderMax;
  return ClampToSlider(static_cast<int>(steps));
}

unsigned TimeFromSlider(int pos) {
  return static_cast<unsigned>(ClampToSlider(pos)) * kMsPerStep;
}

}  // namespace sheet
