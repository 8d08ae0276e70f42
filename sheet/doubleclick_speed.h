// The settings page's double-click speed slider and the system double-click time
// it stands for. Portable: no Windows headers.
#pragma once

namespace sheet {

constexpr int kSliderMin = 1;
constexpr int kSliderMax = 90;
constexpr unsigned kMsPerStep = 10;

// Slider position for a system double-click time in milliseconds: ms / 10, kept
// within the slider's range so that very short or very long times still show.
int SliderFromTime(unsigned ms);

// Double-click time in milliseconds for a slider position (position * 10). A
// position outside the slider's range is first brought into it.
unsigned TimeFromSlider(int pos);

}  // namespace sheet
