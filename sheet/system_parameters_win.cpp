#include "sheet/system_parameters_win.h"

#include <windows.h>

namespace sheet {
namespace {
constexpr UINT kWriteFlags = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
}  // namespace

std::uint32_t PlatformSystemParameters::WheelScrollLines() {
  UINT lines = 0;
  ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  return lines;
}

void PlatformSystemParameters::SetWheelScrollLines(std::uint32_t lines) {
  ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, lines, nullptr, kWriteFlags);
}

bool PlatformSystemParameters::MouseAcceleration(AccelerationTriple* triple) {
  int values[3] = {};
  if (!::SystemParametersInfoA(SPI_GETMOUSE, 0, values, 0)) return false;
  *triple = {values[0], values[1], values[2]};
  return true;
}

void PlatformSystemParameters::SetMouseAcceleration(const AccelerationTriple& triple) {
  int values[3] = {triple[0], triple[1], triple[2]};
  ::SystemParametersInfoA(SPI_SETMOUSE, 0, values, kWriteFlags);
}

int PlatformSystemParameters::MouseSpeed() {
  int speed = 0;
  ::SystemParametersInfoA(SPI_GETMOUSESPEED, 0, &speed, 0);
  return speed;
}

void PlatformSystemParameters::SetMouseSpeed(int speed) {
  // Windows takes the speed itself in the pointer argument; Wine 8 stores
  // the integer argument instead. Both carry it, so each reads what it expects.
  ::SystemParametersInfoA(SPI_SETMOUSESPEED, static_cast<UINT>(speed),
                          reinterpret_cast<PVOID>(static_cast<INT_PTR>(speed)), kWriteFlags);
}

bool PlatformSystemParameters::SnapToDefaultButton() {
  BOOL snap = FALSE;
  ::SystemParametersInfoA(SPI_GETSNAPTODEFBUTTON, 0, &snap, 0);
  return snap != FALSE;
}

void PlatformSystemParameters::SetSnapToDefaultButton(bool snap) {
  ::SystemParametersInfoA(SPI_SETSNAPTODEFBUTTON, snap ? 1 : 0, nullptr, kWriteFlags);
}

}  // namespace sheet
