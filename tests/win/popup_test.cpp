// The launcher popup in this process: where it opens and may be dragged, the
// icon and tooltip of each kind of slot, a page per whole wheel notch, and a
// click that starts a program whose path is outside the code page.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/WideText.h"
#include "launcher/CHotButtonDlg.h"
#include "res/resource.h"
#include "settings/registry_store_win.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kRoot = "Software\\Trovane Mouse\\Pelrand";
const std::wstring kFolder = L"C:\\Zyfo \u30c6\u30b9\u30c8";
const std::wstring kProbe = kFolder + L"\\\u03b1\u03b2 probe.exe";

// Steps run one per timer tick, so that the popup's own loop handles what a
// step posted before the next step looks.
std::vector<std::function<void(HWND)>> g_steps;
std::size_t g_next = 0, g_idle = 0;
void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD) {
  HWND popup = ::FindWindowA(nullptr, "Hot Button");
  if (g_next < g_steps.size()) {
    g_steps[g_next++](popup);
  } else if (++g_idle > 50 && popup) {
    ::PostMessageA(popup, WM_COMMAND, IDCANCEL, 0);  // the steps did not end it
  }
}

HWND Slot(HWND popup, int slot) { return ::GetDlgItem(popup, 1094 + slot); }
HICON IconOf(HWND popup, int slot) {
  return reinterpret_cast<HICON>(::SendMessageA(Slot(popup, slot), STM_GETICON, 0, 0));
}
bool UserPage(HWND popup) { return ::IsWindowVisible(Slot(popup, 10)) && !::IsWindowVisible(Slot(popup, 1)); }
HICON Resource(int id) { return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)); }

std::wstring Tooltip(HWND popup, int slot) {
  HWND tips = nullptr;
  while ((tips = ::FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr)) && ::GetWindow(tips, GW_OWNER) != popup) {
  }
  wchar_t text[512] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = popup;
  tool.uId = reinterpret_cast<UINT_PTR>(Slot(popup, slot));
  tool.lpszText = text;
  if (tips) ::SendMessageW(tips, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&tool));
  return text;
}

TEST(Popup, ShowsEachSlotsIconAndTextTurnsAPagePerNotchStaysInTheWorkAreaAndStartsWhatIsClicked) {
  DeleteProgramSettings();
  ClearLaunchProbeLog();
  ASSERT_TRUE(CreateUserKey(kRoot + "\\Setting For ShortcutKey"));
  ASSERT_TRUE(WriteUserDword(kRoot + "\\MenuPos", "x", 5000));
  ASSERT_TRUE(WriteUserDword(kRoot + "\\MenuPos", "y", 5000));
  ::CreateDirectoryW(kFolder.c_str(), nullptr);
  ASSERT_TRUE(::CopyFileW(fw::Wide(ProgramFolder() + "\\launch_probe.exe").c_str(), kProbe.c_str(), FALSE));
  const std::string document = TempFile("zyfo note.txt");
  ::CloseHandle(::CreateFileA(document.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  settings::RegistryStore store;
  const std::vector<std::string> texts = {"Volume Control", "volume control", "", "", "", "", "", "", "",
                                          " ", "", ProgramFolder() + "\\Pelrand.exe", "C:\\windows", document,
                                          "http://example.org", fw::Utf8(kProbe), "C:\\Program Files\\Gone\\x.exe"};
  for (std::size_t i = 0; i < texts.size(); ++i)
    if (!texts[i].empty()) store.WriteRegString("Setting For ShortcutKey", "ShortcutKey #" + std::to_string(i + 1), texts[i]);

  RECT work{}, rect{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const auto wheel = [](int delta, int times) {
    return [=](HWND popup) {
      for (int i = 0; i < times; ++i) ::PostMessageA(popup, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
    };
  };
  g_steps = {[&](HWND popup) {
               ASSERT_NE(popup, nullptr);
               ::GetWindowRect(popup, &rect);
               EXPECT_EQ(rect.right, work.right) << "5000, 5000 is clamped to the work area's corner";
               EXPECT_EQ(rect.bottom, work.bottom);
               EXPECT_TRUE(::GetWindowLongA(popup, GWL_EXSTYLE) & WS_EX_TOPMOST);
               EXPECT_EQ(IconOf(popup, 1), Resource(IDI_VOLUME));
               EXPECT_EQ(IconOf(popup, 10), Resource(IDI_UNASSIGNED));
               for (int slot : {2, 11, 17}) EXPECT_EQ(IconOf(popup, slot), nullptr) << "names nothing: " << slot;
               for (int slot : {12, 13, 14, 15, 16}) EXPECT_NE(IconOf(popup, slot), nullptr) << "shell icon: " << slot;
               EXPECT_EQ(Tooltip(popup, 1), L"Volume Control");
               EXPECT_EQ(Tooltip(popup, 16), kProbe);
               EXPECT_EQ(Tooltip(popup, 10), L"") << "a blank slot has no tip";
               wheel(12, 9)(popup);
             },
             [](HWND popup) { EXPECT_FALSE(UserPage(popup)) << "nine small steps are less than a notch"; },
             wheel(12, 1),
             [](HWND popup) { EXPECT_TRUE(UserPage(popup)) << "the tenth completes it"; },
             wheel(-120, 1),
             [&](HWND popup) {
               EXPECT_FALSE(UserPage(popup)) << "a notch back turns back";
               // A move by hand is clamped too; Wine passes no size with SWP_NOSIZE.
               ::SetWindowPos(popup, nullptr, -500, 3000, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
               ::GetWindowRect(popup, &rect);
               EXPECT_EQ(rect.left, work.left);
               EXPECT_EQ(rect.bottom, work.bottom);
               ::PostMessageA(popup, WM_COMMAND, MAKEWPARAM(1094 + 16, STN_CLICKED), reinterpret_cast<LPARAM>(Slot(popup, 16)));
             }};
  g_next = 0;
  launcher::WheelPager pager;
  launcher::CHotButtonDlg popup(store, pager);
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 40, RunStep);
  popup.DoModal(nullptr);
  ::KillTimer(nullptr, timer);
  EXPECT_LT(g_idle, 50u) << "the click closed the popup";
  g_steps.clear();
  DWORD x = 0, y = 0;
  EXPECT_TRUE(ReadUserDword(kRoot + "\\MenuPos", "x", &x) && ReadUserDword(kRoot + "\\MenuPos", "y", &y));
  EXPECT_EQ(static_cast<LONG>(x), rect.left) << "the close stored where it stood";
  EXPECT_EQ(static_cast<LONG>(y), rect.top);
  EXPECT_TRUE(PumpUntil([] { return LaunchProbeLog().find(fw::Utf8(kProbe) + "|") != std::string::npos; }, 5000))
      << LaunchProbeLog();
  ::DeleteFileA(document.c_str());
  ::DeleteFileW(kProbe.c_str());
  ::RemoveDirectoryW(kFolder.c_str());
  DeleteProgramSettings();
}

}  // namespace
