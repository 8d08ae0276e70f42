#include "framework/art_scale.h"

#include <algorithm>
#include <iterator>

namespace fw {
namespace {
int EffectiveDpi(int dpi) { return dpi > 0 ? dpi : kBaseDpi; }
int Percent(int dpi) { return (EffectiveDpi(dpi) * 100 + kBaseDpi / 2) / kBaseDpi; }
}  // namespace

int ScaleToDpi(int px, int dpi) {
  const long long scaled = (static_cast<long long>(px) * EffectiveDpi(dpi) + kBaseDpi / 2) / kBaseDpi;
  return static_cast<int>(std::max(1LL, scaled));
}

int IconImageFor(int wanted) {
  for (int size : kIconSizes)
    if (size >= wanted) return size;
  return kIconSizes[std::size(kIconSizes) - 1];
}

PicturePick PickPicture(int width, int height, int dpi) {
  const int percent = Percent(dpi);
  PicturePick pick;
  pick.variant = static_cast<int>(std::size(kPictureScales)) - 1;
  for (int k = 0; k < static_cast<int>(std::size(kPictureScales)); ++k) {
    if (kPictureScales[k] >= percent) {
      pick.variant = k;
      break;
    }
  }
  const int scale = kPictureScales[pick.variant];
  const int drawnWidth = width * scale / 100;
  const int drawnHeight = height * scale / 100;
  pick.width = std::min(drawnWidth, ScaleToDpi(width, EffectiveDpi(dpi)));
  pick.height = std::min(drawnHeight, ScaleToDpi(height, EffectiveDpi(dpi)));
  return pick;
}

int ClipVariantFor(int dpi) {
  int variant = 0;
  for (int k = 0; k < static_cast<int>(std::size(kPictureScales)); ++k)
    if (kPictureScales[k] <= Percent(dpi)) variant = k;
  return variant;
}

}  // namespace fw
