// The platform's system-wide settings that the wheel and pointer pages show and
// change. The program sets them through the platform (saved in the user's
// profile and broadcast); tests hand the pages a recording stand-in, which
// also sees the writes of values that did not change.
// Portable: no Windows headers.
#pragma once

#include <cstdint>

#include "sheet/page_rules.h"

namespace sheet {

class SystemParameters {
 public:
  virtual ~SystemParameters() = default;

  // Lines per wheel notch, or kWheelPageScroll; 0 when the platform says nothing.
  virtual std::uint32_t WheelScrollLines() = 0;
  virtual void SetWheelScrollLines(std::uint32_t lines) = 0;

  // False when the platform gave no triple.
  virtual bool MouseAcceleration(AccelerationTriple* triple) = 0;
  virtual void SetMouseAcceleration(const AccelerationTriple& triple) = 0;

  // 1..20; 0 when the platform says nothing.
  virtual int MouseSpeed() = 0;
  virtual void SetMouseSpeed(int speed) = 0;

  virtual bool SnapToDefaultButton() = 0;
  virtual void SetSnapToDefaultButton(bool snap) = 0;
};

}  // namespace sheet
