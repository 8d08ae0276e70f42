// The launcher popup in this process: where it opens, the wheel's pages, the
// icons of each kind of slot, how it closes, and that it leaks nothing.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "launcher/CHotButtonDlg.h"
#include "res/resource.h"
#include "settings/registry_store_win.h"
#include "tests/support/handle_probe.h"
#include "tests/support/screen_pixels.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kRoot = "Software\\Trovane Mouse\\Pelrand";

// Steps run one per timer tick, so that the popup's own loop handles what a
// step posted before the next step looks.
std::vector<std::function<void(HWND)>> g_steps;
std::size_t g_next = 0;
void CALLBACK RunStep(HWND, UINT, UINT_PTR id, DWORD) {
  if (g_next >= g_steps.size()) {
    ::KillTimer(nullptr, id);
    return;
  }
  g_steps[g_next++](::FindWindowA(nullptr, "Hot Button"));
}

bool Shown(HWND popup, int id) { return ::IsWindowVisible(::GetDlgItem(popup, id)) != FALSE; }
HICON IconOf(HWND popup, int slot) {
  return reinterpret_cast<HICON>(::SendDlgItemMessageA(popup, 1094 + slot, STM_GETICON, 0, 0));
}

class Popup : public testing::Test {
 protected:
  void SetUp() override {
    DeleteProgramSettings();
    ASSERT_TRUE(CreateUserKey(kRoot + "\\Setting For ShortcutKey"));
  }
  void TearDown() override { DeleteProgramSettings(); }

  // Runs one popup; the steps get its window, the last must close it.
  void Run(std::vector<std::function<void(HWND)>> steps, UINT tickMs = 40) {
    g_steps = std::move(steps);
    g_next = 0;
    launcher::CHotButtonDlg popup(store, pager);
    const UINT_PTR timer = ::SetTimer(nullptr, 0, tickMs, RunStep);
    popup.DoModal(nullptr);
    ::KillTimer(nullptr, timer);
    g_steps.clear();
  }
  void SetSlot(int slot, const std::string& text) {
    ASSERT_TRUE(WriteUserString(kRoot + "\\Setting For ShortcutKey", "ShortcutKey #" + std::to_string(slot), text));
  }
  RECT Stored() {
    DWORD x = 0, y = 0;
    ReadUserDword(kRoot + "\\MenuPos", "x", &x);
    ReadUserDword(kRoot + "\\MenuPos", "y", &y);
    return RECT{static_cast<LONG>(x), static_cast<LONG>(y), 0, 0};
  }

  settings::RegistryStore store;
  launcher::WheelPager pager;
};

TEST_F(Popup, OpensWhereItWasClosedInsideTheWorkAreaAndEveryEndingStoresThePosition) {
  RECT work{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  struct Case {
    const char* what;
    bool stored;
    int x, y;
  };
  const Case cases[] = {{"nothing stored", false, 0, 0}, {"far off", true, 5000, 5000}, {"above left", true, -200, -200},
                        {"inside", true, 300, 200}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, (kRoot + "\\MenuPos").c_str());
    if (c.stored) {
      ASSERT_TRUE(WriteUserDword(kRoot + "\\MenuPos", "x", static_cast<DWORD>(c.x)));
      ASSERT_TRUE(WriteUserDword(kRoot + "\\MenuPos", "y", static_cast<DWORD>(c.y)));
    }
    RECT rect{};
    Run({[&](HWND popup) {
      ASSERT_NE(popup, nullptr);
      ::GetWindowRect(popup, &rect);
      EXPECT_TRUE(::GetWindowLongA(popup, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
      EXPECT_TRUE(::GetWindowLongA(popup, GWL_EXSTYLE) & WS_EX_TOPMOST);
      // Escape ends it like Cancel, through the dialog's own key handling.
      ::PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
    }});
    EXPECT_GE(rect.left, work.left);
    EXPECT_GE(rect.top, work.top);
    EXPECT_LE(rect.right, work.right);
    EXPECT_LE(rect.bottom, work.bottom);
    if (c.x >= 5000) {
      EXPECT_EQ(rect.right, work.right);
      EXPECT_EQ(rect.bottom, work.bottom);
    } else if (c.x <= 0) {
      EXPECT_EQ(rect.left, work.left);
      EXPECT_EQ(rect.top, work.top);
    } else {
      EXPECT_EQ(rect.left, c.x);
      EXPECT_EQ(rect.top, c.y);
    }
    EXPECT_EQ(Stored().left, rect.left) << "closing stores where it stood";
    EXPECT_EQ(Stored().top, rect.top);
  }
  // A move the user makes (here: asked for by hand) is clamped as well.
  Run({[&](HWND popup) {
    ::SetWindowPos(popup, nullptr, -500, 3000, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT rect{};
    ::GetWindowRect(popup, &rect);
    EXPECT_EQ(rect.left, work.left);
    EXPECT_EQ(rect.bottom, work.bottom);
    ::PostMessageA(popup, WM_COMMAND, IDOK, 0);
  }});
}

TEST_F(Popup, TheWheelTurnsThePagesAndEachSlotShowsItsIcon) {
  const std::string program = ProgramFolder() + "\\Pelrand.exe";
  SetSlot(1, "Volume Control");
  SetSlot(2, "volume control");
  SetSlot(10, " ");
  SetSlot(11, "");
  SetSlot(12, program);
  SetSlot(13, "Notepad");
  const auto wheel = [](int delta) {
    return [delta](HWND popup) { ::PostMessageA(popup, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0); };
  };
  const auto page = [](bool user) {
    return [user](HWND popup) {
      EXPECT_EQ(Shown(popup, 1095) && Shown(popup, 1103), !user);
      EXPECT_EQ(Shown(popup, 1104) && Shown(popup, 1112), user);
      EXPECT_FALSE(Shown(popup, user ? 1099 : 1108));
    };
  };
  Run({[&](HWND popup) {
         EXPECT_EQ(IconOf(popup, 1), ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_VOLUME)));
         EXPECT_EQ(IconOf(popup, 2), nullptr) << "not its own name: a file that does not exist";
         EXPECT_EQ(IconOf(popup, 3), nullptr) << "nothing stored";
         EXPECT_EQ(IconOf(popup, 10), ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_UNASSIGNED)));
         EXPECT_EQ(IconOf(popup, 11), nullptr);
         EXPECT_NE(IconOf(popup, 12), nullptr) << "the program file's own icon";
         EXPECT_EQ(IconOf(popup, 13), nullptr) << "a predefined name on the user page is a file name";
       },
       page(false), wheel(-120), page(true), wheel(120), page(false), wheel(-360), page(true),
       [](HWND popup) { ::PostMessageA(popup, WM_COMMAND, IDCANCEL, 0); }});
  // The next popup opens on the predefined page, and the run of pages goes on:
  // its first notch shows the predefined page (no change), the second the user page.
  Run({page(false), wheel(-120), page(false), wheel(-120), page(true),
       [](HWND popup) { ::PostMessageA(popup, WM_COMMAND, IDCANCEL, 0); }});
}

TEST_F(Popup, OpeningAndClosingTwoHundredTimesLeaksNoIconWindowOrGdiObject) {
  const std::string program = ProgramFolder() + "\\Pelrand.exe";
  for (int slot = 10; slot <= 18; ++slot) SetSlot(slot, program);
  const auto cycle = [&] {
    Run({[](HWND popup) { ::PostMessageA(popup, WM_COMMAND, IDCANCEL, 0); }}, 1);
  };
  cycle();  // first-use allocations (fonts, classes) settle
  const int userBefore = UserHandlesInUse(), gdiBefore = GdiObjectCount(::GetCurrentProcessId());
  for (int i = 0; i < 200; ++i) cycle();
  const int userAfter = UserHandlesInUse(), gdiAfter = GdiObjectCount(::GetCurrentProcessId());
  EXPECT_LT(userAfter - userBefore, 50) << "USER handle slots grew";
  EXPECT_LT(gdiAfter - gdiBefore, 50) << "GDI objects grew";

  // Positive control: the probes do see 200 leaked icons (one per opening above would be 1800).
  std::vector<HICON> leaked;
  for (int i = 0; i < 200; ++i) leaked.push_back(::ExtractIconA(::GetModuleHandleA(nullptr), program.c_str(), 0));
  EXPECT_GT(UserHandlesInUse() - userAfter, 150);
  EXPECT_GT(GdiObjectCount(::GetCurrentProcessId()) - gdiAfter, 150);
  for (HICON icon : leaked) ::DestroyIcon(icon);
}

}  // namespace
