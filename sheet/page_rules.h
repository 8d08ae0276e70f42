// The mappings behind the wheel, pointer and X/Y pages, and the system
// settings that start-up brings into a known state. Portable: no Windows headers.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/settings_model.h"

namespace sheet {

// ---- wheel: lines per notch, or one screen page
constexpr std::uint32_t kWheelPageScroll = 0xFFFFFFFFu;  // WHEEL_PAGESCROLL
// The counts the page's list offers, in list order (one digit each: a typed
// count is read from its first character).
constexpr std::array<std::int32_t, 3> kWheelLineChoices = {1, 3, 6};
constexpr std::uint32_t kDefaultWheelLines = 3;
// Start-up: 0 lines (no scrolling at all) becomes 3; any other value stays.
bool WheelLinesNeedReset(std::uint32_t lines);
// List index of a count; -1 for a count the list does not offer.
int WheelListIndexOfLines(std::uint32_t lines);
// Lines of a list index, or 0 (no choice) for any other index.
std::int32_t WheelLinesOfListIndex(int index);
// Lines of a typed text: its first character, when that is one of the list's
// counts; 0 otherwise.
std::int32_t WheelLinesOfTypedText(const char* text);
// What the page shows for the system's value: page scrolling; or a line count,
// selected in the list when the list has it, else standing in the list's edit
// field as it is (5, 10, ...), unchanged until the user picks or types another.
struct WheelView {
  bool pageScroll = false;
  int listIndex = -1;
  std::string editText;
};

// The wheel page, event by event: what it shows and when it hands a value to
// the system. A list choice is in force at once; page scrolling and a typed
// count wait for Apply. Nothing is handed over that the system holds already,
// so that looking (and an OK after merely looking) writes nothing.
class WheelPage {
 public:
  // The page opens over the system's value; nothing is pending.
  void Open(std::uint32_t systemLines);
  // Each of these is true when the system is to be set to SystemLines() now.
  bool ChooseFromList(int index);
  bool Apply();
  // The first character of a typed text chooses 1, 3 or 6; anything else nothing.
  void Type(const char* text);
  // Back to line counts: the list's choice; a count only the edit field shows
  // (the system's own); or, back from page scrolling with nothing chosen, 3.
  void ChooseLines();
  void ChoosePage();

  const WheelView& View() const { return m_view; }
  std::uint32_t SystemLines() const { return m_system; }

 private:
  bool Commit();
  void Select(int index);

  WheelView m_view;
  std::uint32_t m_system = 0;  // the system's value as last read or handed over
  std::int32_t m_pending = 0;  // 1, 3, 6, -1 (page scrolling) or 0 (nothing)
};

// ---- pointer acceleration: (threshold 1, threshold 2, acceleration)
using AccelerationTriple = std::array<int, 3>;
constexpr std::array<AccelerationTriple, 4> kAccelerationPresets = {{{0, 0, 0}, {7, 0, 1}, {4, 12, 2}, {4, 6, 2}}};
// The level codes of the four radios ("Null", "Langsam", "Mittel", "Hoch").
constexpr int kFirstAccelerationLevel = 2;
constexpr int kLastAccelerationLevel = 5;
// Level code 2..5 of the preset equal to the triple, or 0 when it is none of them.
int AccelerationLevelOf(const AccelerationTriple& triple);
// The triple of level code 2..5; nullptr for any other value.
const AccelerationTriple* AccelerationOfLevel(int level);

// ---- pointer speed: the platform's 1..20
constexpr int kPointerSpeedMin = 1;
constexpr int kPointerSpeedMax = 20;

// What the pointer page showed when it opened, and what it shows at Apply.
struct PointerView {
  int speed = 0;                      // the slider's position
  AccelerationTriple acceleration{};  // the system's triple
  bool snap = false;
};
struct PointerWrites {
  bool speed = false;
  bool acceleration = false;
  bool snap = false;
};
// Apply writes each setting only where it differs from the opening: the
// acceleration only when a level was chosen (2..5) and its triple is not the
// system's, so a triple outside the presets survives every Apply that does not
// choose a level.
PointerWrites PointerChanges(const PointerView& opened, int speed, int chosenLevel, bool snap);

// ---- X/Y sensor speeds: slider 0..15 stands for the device's speeds 5..20
constexpr int kAxisSliderMin = 0;
constexpr int kAxisSliderMax = settings::kDeviceSpeedMax - settings::kDeviceSpeedMin;
constexpr int kAxisSpeedOffset = settings::kDeviceSpeedMin;
// What the value text shows for a stored speed: the plain difference, even
// outside the slider's range (the slider itself stands at its nearest end).
int AxisTextValueOf(std::int32_t deviceSpeed);
// Slider position for a stored speed, within the slider's range.
int AxisSliderOf(std::int32_t deviceSpeed);
// Device speed for a slider position (brought into the slider's range first).
std::int32_t AxisSpeedOfSlider(int position);

}  // namespace sheet
