// Ends with the pointer speed as a newly started program reads it: a process
// keeps the system settings it has read once, so only a fresh one sees another
// program's change through the platform's own call.
#include <windows.h>

int main() {
  int speed = 0;
  ::SystemParametersInfoA(SPI_GETMOUSESPEED, 0, &speed, 0);
  return speed;
}
