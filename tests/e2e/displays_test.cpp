// The real program at a display scale above 100 % and on two monitors, seen on
// the screen: scripts/test runs these in Wine starts of their own (LogPixels
// 144 on two Xephyr monitors, then 192); at 96 DPI on one monitor they skip.
#include <windows.h>

#include <commctrl.h>

#include "framework/art_scale.h"
#include "launcher/shortcut_table.h"
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
    HDC screenDc = ::GetDC(nullptr);
    dpi = ::GetDeviceCaps(screenDc, LOGPIXELSY), ::ReleaseDC(nullptr, screenDc);
    if (dpi == fw::kBaseDpi && ::GetSystemMetrics(SM_CMONITORS) < 2)
      GTEST_SKIP() << "needs a scale above 100 % or a second monitor (scripts/test runs it so)";
    Scenario::SetUp();
  }
  // The picture drawn for a scale, from the resources this program shares with the program.
  static Pixels Drawn(int id, int forDpi, int* width, int* height) {
    return BitmapPixels(::GetModuleHandleA(nullptr), id + fw::PickPicture(1, 1, forDpi).variant * IDB_SCALED_STEP,
                        width, height);
  }
  // The first picture control of a dialog, and whether the screen shows bitmap `id` drawn for `forDpi` in it.
  static testing::AssertionResult ShowsPicture(HWND dialog, int id, int forDpi) {
    HWND control = ::GetWindow(dialog, GW_CHILD);
    while (control && (::GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP)
      control = ::GetWindow(control, GW_HWNDNEXT);
    int width = 0, height = 0;
    const Pixels expected = Drawn(id, forDpi, &width, &height);
    const RECT rect = WindowRect(control);
    if (rect.right - rect.left != width || rect.bottom - rect.top != height)
      return testing::AssertionFailure() << "the control is " << rect.right - rect.left << " px wide, not " << width;
    return SamePixels(Grab(rect.left, rect.top, width, height), expected, width);
  }

  // WM_DPICHANGED as Windows sends it, the rectangle in the program's memory (a pointer does not cross processes).
  void TellDpiChanged(HWND window, int newDpi, const RECT& suggested) {
    RemoteBuffer remote(window, sizeof suggested);
    ASSERT_TRUE(remote.Write(0, &suggested, sizeof suggested));
    ::SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), reinterpret_cast<LPARAM>(remote.get()));
    PumpFor(500);
  }

  // Whether the screen shows icon `id` drawn at `px` in the middle of an icon place, over the dialog's face.
  static testing::AssertionResult ShowsIcon(HWND control, int id, int px) {
    RECT client{};
    POINT origin{0, 0};
    ::GetClientRect(control, &client), ::ClientToScreen(control, &origin);
    const int w = client.right, h = client.bottom;
    if (w != px || h != px) return testing::AssertionFailure() << "the place is " << w << " x " << h;
    HDC screenDc = ::GetDC(nullptr), memory = ::CreateCompatibleDC(screenDc);
    HBITMAP canvas = ::CreateCompatibleBitmap(screenDc, w, h);
    HGDIOBJ old = ::SelectObject(memory, canvas);
    ::FillRect(memory, &client, ::GetSysColorBrush(COLOR_BTNFACE));  // as the popup's face
    HICON icon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, px, px, 0));
    ::DrawIconEx(memory, (w - px) / 2, (h - px) / 2, icon, px, px, 0, nullptr, DI_NORMAL);
    ::SelectObject(memory, old);
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    Pixels expected(static_cast<size_t>(w) * h);
    ::GetDIBits(screenDc, canvas, 0, static_cast<UINT>(h), expected.data(), &info, DIB_RGB_COLORS);
    for (auto& pixel : expected) pixel &= 0xFFFFFF;
    ::DestroyIcon(icon), ::DeleteObject(canvas), ::DeleteDC(memory), ::ReleaseDC(nullptr, screenDc);
    return SamePixels(Grab(origin.x, origin.y, w, h), expected, w);
  }
  HWND OpenPopup() {
    Post(makerlibs::WM_MOUSEBTN_DOWN, makerlibs::kEventCodes[3]), Post(makerlibs::WM_MOUSEBTN_UP, makerlibs::kEventCodes[3]);
    HWND popup = nullptr;
    PumpUntil([&] { return (popup = ::FindWindowA(nullptr, res::kPopupTitle)) && ::IsWindowVisible(popup); }, 5000);
    return PumpFor(500), popup;
  }
  static void ClosePopup(HWND popup) {
    ::PostMessageA(popup, WM_COMMAND, IDCANCEL, 0), PumpUntil([] { return !::FindWindowA(nullptr, res::kPopupTitle); });
  }
  static RECT WindowRect(HWND hwnd) {
    RECT rect{};
    return ::GetWindowRect(hwnd, &rect), rect;
  }
  void Shot(const std::string& what, const RECT& area) { Screenshot("displays-" + std::to_string(dpi) + "-" + what, area); }

  int dpi = fw::kBaseDpi;
};

TEST_F(Displays, IndicatorSheetAndPopupShowArtDrawnForTheScaleAndTheNewOneThePopupStaysOnItsMonitor) {
  PatternWindow pattern;
  for (int slot = 1; slot <= 9; ++slot)  // the predefined page as installed
    ASSERT_TRUE(WriteUserString(Section(settings::kSectionShortcut), settings::ShortcutValueName(slot),
                                launcher::DefaultTable()[slot - 1]));
  Start({{3, 47}});  // the 4th button opens the popup
  RECT work{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);

  // The resolution picture, in the corner of the work area at the size drawn for the scale.
  int width = 0, height = 0;
  const Pixels shield = Drawn(IDB_DPI_1600, dpi, &width, &height);
  const auto corner = [&] { return Grab(work.right - width, work.top, width, height); };
  const Pixels before = corner();
  Post(makerlibs::WM_MOUSEBTN_UP, makerlibs::kResolutionEventCodes[2]);
  EXPECT_TRUE(PumpUntil([&] { return SamePixels(corner(), shield, width); }, 250));
  Shot("indicator", RECT{work.right - 2 * width, work.top, work.right, work.top + 2 * height});
  EXPECT_TRUE(PumpUntil([&] { return SamePixels(corner(), before, width); }, 2000)) << "all it covered is put back";

  // The sheet's pictures at the scale, then at another one when the sheet is told of it.
  ::PostMessageA(program.Frame(), WM_COMMAND, ID_CONFIGURATION, 0);
  HWND sheet = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (sheet = ::FindWindowA(nullptr, res::kSheetCaption)) != nullptr; }, 5000));
  PumpFor(500);  // the first page's picture is set in its WM_INITDIALOG
  HWND page = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  EXPECT_TRUE(ShowsPicture(page, IDB_MOUSE_BUTTONS, dpi));
  const RECT rect = WindowRect(sheet);
  Shot("sheet", rect);
  const int other = dpi == 192 ? 144 : 192;
  TellDpiChanged(sheet, other, rect);
  EXPECT_TRUE(ShowsPicture(page, IDB_MOUSE_BUTTONS, other)) << "after WM_DPICHANGED for " << other;
  ::PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(PumpUntil([&] { return !::FindWindowA(nullptr, res::kSheetCaption); }));

  // The popup's icons at the scale, each place fitting its icon and the popup its grid.
  HWND popup = OpenPopup();
  ASSERT_NE(popup, nullptr);
  HWND first = ::GetDlgItem(popup, IDC_POPUP_FIRST_SLOT), last = ::GetDlgItem(popup, IDC_POPUP_FIRST_SLOT + 8);
  EXPECT_TRUE(ShowsIcon(first, IDI_VOLUME, fw::ScaleToDpi(32, dpi)));
  EXPECT_TRUE(dpi == fw::kBaseDpi || !ShowsIcon(first, IDI_VOLUME, 32)) << "the measure tells the sizes apart";
  RECT inner{};
  ::GetClientRect(popup, &inner), ::MapWindowPoints(popup, nullptr, reinterpret_cast<POINT*>(&inner), 2);
  EXPECT_EQ(inner.bottom - WindowRect(last).bottom, WindowRect(first).top - inner.top) << "no empty strip below";
  Shot("popup", WindowRect(popup));
  ::SendMessageA(popup, WM_DPICHANGED, MAKEWPARAM(other, other), 0x1234), PumpFor(500);  // a foreign pointer
  EXPECT_TRUE(ShowsIcon(first, IDI_VOLUME, fw::ScaleToDpi(32, other))) << "after WM_DPICHANGED for " << other;

  // On a second monitor it stays where it is put; from where no monitor is it comes back to the nearest.
  if (::GetSystemMetrics(SM_CMONITORS) >= 2) {
    ::SetWindowPos(popup, nullptr, 1400, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WindowRect(popup).left == 1400 && WindowRect(popup).top == 200) << "on the second monitor";
    ClosePopup(popup);
    DWORD x = 0;  // stored where it stood
    EXPECT_TRUE(ReadUserDword(Section(settings::kSectionMenuPos), "x", &x) && x == 1400) << x;
    ASSERT_TRUE(WriteUserDword(Section(settings::kSectionMenuPos), "x", static_cast<DWORD>(-900)));
    popup = OpenPopup();
    EXPECT_TRUE(WindowRect(popup).left == 0 && WindowRect(popup).top == 200) << "from left of the primary";
  }
  ClosePopup(popup);
  EXPECT_TRUE(program.Exit());
}

}  // namespace
}  // namespace e2e
