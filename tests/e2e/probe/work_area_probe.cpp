// Ends with the right edge of the work area as a newly started program sees it,
// so that a test can check the work area it set up for the program under test.
#include <windows.h>

int main() {
  RECT workArea{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
  return workArea.right;
}
