// The system parameters of the running platform (SystemParametersInfo).
#pragma once

#include "sheet/system_parameters.h"

namespace sheet {

// Stateless: every call goes to the platform, so one instance serves every page.
class PlatformSystemParameters final : public SystemParameters {
 public:
  std::uint32_t WheelScrollLines() override;
  void SetWheelScrollLines(std::uint32_t lines) override;
  bool MouseAcceleration(AccelerationTriple* triple) override;
  void SetMouseAcceleration(const AccelerationTriple& triple) override;
  int MouseSpeed() override;
  void SetMouseSpeed(int speed) override;
  bool SnapToDefaultButton() override;
  void SetSnapToDefaultButton(bool snap) override;
};

}  // namespace sheet
