// Which of the drawn sizes of a picture or an icon to take for a display
// scale, and how large to show it. The art holds every icon at the sizes of
// kIconSizes and every picture at 1x, 1.5x and 2x; the nearest larger one is
// taken and scaled down, never a smaller one scaled up (which blurs), and
// beyond 2x the largest is shown at its own size. Portable: no Windows headers.
#pragma once

namespace fw {

// The DPI at which the art's 1x sizes are meant.
constexpr int kBaseDpi = 96;

// `px` at 96 DPI, at `dpi` (rounded, at least 1). A DPI of 0 or less, which a
// failed query gives, counts as 96.
int ScaleToDpi(int px, int dpi);

// The image sizes each icon file holds, smallest first.
constexpr int kIconSizes[] = {16, 20, 24, 32, 40, 48, 64};
// The image of an icon file to load for an icon `wanted` pixels wide.
int IconImageFor(int wanted);

// The drawn scales of a picture, in percent; variant k is filed under the 1x
// resource id plus k times IDB_SCALED_STEP.
constexpr int kPictureScales[] = {100, 150, 200};

struct PicturePick {
  int variant = 0;  // index into kPictureScales
  int width = 0;    // the size to show it at: the variant's, or smaller
  int height = 0;
};
// The variant of a picture whose 1x size is `width` x `height` to take at
// `dpi`, and the size to show it at. The generator makes variant k
// floor(size * scale) pixels large.
PicturePick PickPicture(int width, int height, int dpi);

// The variant of a clip to play at `dpi`: an animation cannot be scaled, so
// the largest that is not larger than the scale asks for.
int ClipVariantFor(int dpi);

}  // namespace fw
