// The real program at a display scale above 100 % and on two monitors, seen on
// the screen: scripts/test runs these in Wine starts of their own (LogPixels
// 144 on two Xephyr monitors, then 192); at 96 DPI on one monitor they skip.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "framework/art_scale.h"
#include "makerlibs/include/maker_contract.h"
#include "res/identity.h"
#include "res/resource.h"
#include "tests/support/scenario.h"
#include "tests/support/screen_pixels.h"

using namespace testsupport;

namespace e2e {
namespace {

class Displays : public Scenario {
 protected:
  void SetUp() override {
    // Measured in the pixels the program draws in: a DPI-unaware thread would see Wine's scaled coordinates.
    using SetContextFn = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    if (auto set = reinterpret_cast<SetContextFn>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleA("user32.dll"), "SetThreadDpiAwarenessContext"))))
      set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const HDC screenDc = ::GetDC(nullptr);
    dpi = ::GetDeviceCaps(screenDc, LOGPIXELSY);
    ::ReleaseDC(nullptr, screenDc);
    if (dpi == fw::kBaseDpi && ::GetSystemMetrics(SM_CMONITORS) < 2)
      GTEST_SKIP() << "needs a scale above 100 % or a second monitor (scripts/test runs it so)";
    Scenario::SetUp();
  }
  // The variant drawn for a scale, and its pixels from the resources this program shares with the program.
  Pixels Drawn(int id, int forDpi, int* width, int* height) const {
    const int variant = fw::PickPicture(1, 1, forDpi).variant;
    return BitmapPixels(::GetModuleHandleA(nullptr), id + variant * IDB_SCALED_STEP, width, height);
  }
  // The first picture control of a dialog, and whether the screen shows bitmap `id` drawn for `forDpi` in it.
  testing::AssertionResult ShowsPicture(HWND dialog, int id, int forDpi) const {
    HWND control = ::GetWindow(dialog, GW_CHILD);
    while (control && (::GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP)
      control = ::GetWindow(control, GW_HWNDNEXT);
    if (!control) return testing::AssertionFailure() << "no picture control";
    int width = 0, height = 0;
    const Pixels expected = Drawn(id, forDpi, &width, &height);
    RECT rect{};
    ::GetWindowRect(control, &rect);
    if (rect.right - rect.left != width || rect.bottom - rect.top != height)
      return testing::AssertionFailure() << "the control is " << rect.right - rect.left << " x "
                                         << rect.bottom - rect.top << ", the picture " << width << " x " << height;
    return SamePixels(Grab(rect.left, rect.top, width, height), expected, width);
  }

  // Sends WM_DPICHANGED as Windows would, its suggested rectangle in the program's memory (a pointer
  // does not cross processes).
  void TellDpiChanged(HWND window, int newDpi, const RECT& suggested) {
    HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, program.ProcessId());
    ASSERT_NE(process, nullptr);
    void* remote = ::VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT, PAGE_READWRITE);
    ASSERT_NE(remote, nullptr);
    ::WriteProcessMemory(process, remote, &suggested, sizeof suggested, nullptr);
    ::SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), reinterpret_cast<LPARAM>(remote));
    ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    ::CloseHandle(process);
    PumpFor(500);
  }

  int dpi = fw::kBaseDpi;
};

TEST_F(Displays, TheIndicatorAndTheSheetsPicturesAreDrawnForTheScaleAndForANewOne) {
  PatternWindow pattern;
  PumpFor(300);
  Start();
  RECT work{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);

  // The resolution picture, in the corner of the work area at the size drawn for the scale.
  int width = 0, height = 0;
  const Pixels shield = Drawn(IDB_DPI_1600, dpi, &width, &height);
  EXPECT_EQ(width, fw::ScaleToDpi(IDB_DPI_BLOCK_WIDTH, dpi));
  const Pixels before = Grab(work.right - width, work.top, width, height);
  Post(makerlibs::WM_MOUSEBTN_UP, makerlibs::kResolutionEventCodes[2]);
  EXPECT_TRUE(PumpUntil([&] { return SamePixels(Grab(work.right - width, work.top, width, height), shield, width); },
                        250));
  Screenshot("displays-" + std::to_string(dpi) + "-indicator");
  EXPECT_TRUE(PumpUntil([&] { return SamePixels(Grab(work.right - width, work.top, width, height), before, width); },
                        2000))
      << "everything the picture covered is put back";

  // The sheet's pictures at the scale, then at another one when the sheet is told of it.
  ::PostMessageA(program.Frame(), WM_COMMAND, ID_CONFIGURATION, 0);
  HWND sheet = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (sheet = ::FindWindowA(nullptr, res::kSheetCaption)) != nullptr; }, 5000));
  PumpFor(500);
  HWND page = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  EXPECT_TRUE(ShowsPicture(page, IDB_MOUSE_BUTTONS, dpi));
  RECT rect{};
  ::GetWindowRect(sheet, &rect);
  Screenshot("displays-" + std::to_string(dpi) + "-sheet", rect);
  const int other = dpi == 192 ? 144 : 192;
  TellDpiChanged(sheet, other, rect);
  Screenshot("displays-" + std::to_string(dpi) + "-sheet-told-" + std::to_string(other), rect);
  EXPECT_TRUE(ShowsPicture(page, IDB_MOUSE_BUTTONS, other)) << "after WM_DPICHANGED for " << other;
  ::PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(PumpUntil([&] { return ::FindWindowA(nullptr, res::kSheetCaption) == nullptr; }, 5000));
  EXPECT_TRUE(program.Exit());
}

}  // namespace
}  // namespace e2e
