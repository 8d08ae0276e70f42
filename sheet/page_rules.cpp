#include "sheet/page_rules.h"

namespace sheet {
namespace {
constexpr bool ChoicesAreDigitsAndOfferTheDefault() {
  bool offersDefault = false;
  for (std::int32_t lines : kWheelLineChoices) {
    if (lines < 1 || lines > 9) return false;
    offersDefault = offersDefault || static_cast<std::uint32_t>(lines) == kDefaultWheelLines;
  }
  return offersDefault;
}
// A typed count is read from its first character, and the page falls back on the default.
static_assert(ChoicesAreDigitsAndOfferTheDefault(), "the wheel list needs one-digit counts and the default");

constexpr int kChoiceCount = static_cast<int>(kWheelLineChoices.size());

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }
}  // namespace

bool WheelLinesNeedReset(std::uint32_t lines) { return lines == 0; }

int WheelListIndexOfLines(std::uint32_t lines) {
  for (int i = 0; i < kChoiceCount; ++i)
    if (static_cast<std::uint32_t>(kWheelLineChoices[static_cast<std::size_t>(i)]) == lines) return i;
  return -1;
}

std::int32_t WheelLinesOfListIndex(int index) {
  return index >= 0 && index < kChoiceCount ? kWheelLineChoices[static_cast<std::size_t>(index)] : 0;
}

std::int32_t WheelLinesOfTypedText(const char* text) {
  if (!text || text[0] < '0' || text[0] > '9') return 0;
  const std::uint32_t lines = static_cast<std::uint32_t>(text[0] - '0');
  return WheelListIndexOfLines(lines) >= 0 ? static_cast<std::int32_t>(lines) : 0;
}

namespace {
// A pending value the page hands to the system: 1, 3, 6 or page scrolling (-1).
bool IsWheelChoice(std::int32_t pending) {
  return pending == -1 || WheelListIndexOfLines(static_cast<std::uint32_t>(pending)) >= 0;
}

WheelView WheelViewOf(std::uint32_t systemLines) {
  WheelView view;
  if (systemLines == kWheelPageScroll) {
    view.pageScroll = true;
    return view;
  }
  view.listIndex = WheelListIndexOfLines(systemLines);
  view.editText = std::to_string(systemLines);
  return view;
}

// Only a choice, and only when the system does not hold it already.
bool WheelWriteNeeded(std::int32_t pending, std::uint32_t systemLines) {
  return IsWheelChoice(pending) && static_cast<std::uint32_t>(pending) != systemLines;
}
}  // namespace

void WheelPage::Open(std::uint32_t systemLines) {
  m_system = systemLines;
  m_view = WheelViewOf(systemLines);
  m_pending = 0;
}

void WheelPage::Select(int index) {
  m_view.listIndex = index;
  m_view.editText = std::to_string(WheelLinesOfListIndex(index));
}

bool WheelPage::Commit() {
  if (!WheelWriteNeeded(m_pending, m_system)) return false;
  m_system = static_cast<std::uint32_t>(m_pending);
  return true;
}

bool WheelPage::ChooseFromList(int index) {
  if (WheelLinesOfListIndex(index) == 0) return false;
  Select(index);
  m_pending = WheelLinesOfListIndex(index);
  return Commit();
}

bool WheelPage::Apply() { return Commit(); }

void WheelPage::Type(const char* text) {
  const std::int32_t lines = WheelLinesOfTypedText(text);
  if (lines == 0) return;
  Select(WheelListIndexOfLines(static_cast<std::uint32_t>(lines)));
  m_pending = lines;
}

void WheelPage::ChooseLines() {
  m_view.pageScroll = false;
  if (m_view.listIndex < 0 && m_view.editText.empty()) Select(WheelListIndexOfLines(kDefaultWheelLines));
  m_pending = WheelLinesOfListIndex(m_view.listIndex);
}

void WheelPage::ChoosePage() {
  m_view.pageScroll = true;
  m_pending = -1;
}

PointerWrites PointerChanges(const PointerView& opened, int speed, int chosenLevel, bool snap) {
  PointerWrites writes;
  writes.speed = speed != opened.speed;
  const AccelerationTriple* chosen = AccelerationOfLevel(chosenLevel);
  writes.acceleration = chosen && *chosen != opened.acceleration;
  writes.snap = snap != opened.snap;
  return writes;
}

int AccelerationLevelOf(const AccelerationTriple& triple) {
  for (std::size_t i = 0; i < kAccelerationPresets.size(); ++i)
    if (kAccelerationPresets[i] == triple) return kFirstAccelerationLevel + static_cast<int>(i);
  return 0;
}

const AccelerationTriple* AccelerationOfLevel(int level) {
  if (level < kFirstAccelerationLevel || level > kLastAccelerationLevel) return nullptr;
  return &kAccelerationPresets[static_cast<std::size_t>(level - kFirstAccelerationLevel)];
}

int AxisTextValueOf(std::int32_t deviceSpeed) {
  // Computed wide: a stored value near the ends of the int range must not wrap.
  const long long difference = static_cast<long long>(deviceSpeed) - kAxisSpeedOffset;
  return difference < -2147483647LL ? -2147483647 : static_cast<int>(difference);
}

int AxisSliderOf(std::int32_t deviceSpeed) {
  return Clamp(AxisTextValueOf(deviceSpeed), kAxisSliderMin, kAxisSliderMax);
}

std::int32_t AxisSpeedOfSlider(int position) {
  return Clamp(position, kAxisSliderMin, kAxisSliderMax) + kAxisSpeedOffset;
}

}  // namespace sheet
