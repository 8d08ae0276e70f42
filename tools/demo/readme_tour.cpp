// The pictures of the README, taken by scripts/demo: installs the program with
// its installer as a user would, then shows the tray menu, the eight pages of
// the sheet, the Hot Button popup on both pages and the resolution indicator,
// and saves each screen into the output folder (docs/). The steps run in order
// in one Wine prefix; each one fails loudly when its screen does not appear.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>

#include "makerlibs/include/maker_contract.h"
#include "res/identity.h"
#include "tests/support/program.h"
#include "tests/support/sheet_driver.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kRoot = "Software\\Trovane Mouse\\Pelrand";
const char* const kTabNames[e2e::kTabCount] = {"tasten", "hot-button", "rad",       "bewegen",
                                               "makro",  "xy-achse",   "programme", "ueber"};

std::string InstalledProgram() {
  char path[MAX_PATH] = {};
  ::SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path);
  return std::string(path) + "\\Programs\\Pelrand\\Pelrand.exe";
}

// scripts/demo runs the tour a second time at 150 % with ZYFO_TOUR_SUFFIX=-150:
// those pictures carry the suffix.
std::string Named(const std::string& name) {
  const char* suffix = std::getenv("ZYFO_TOUR_SUFFIX");
  return name + (suffix ? suffix : "");
}

RECT Grown(RECT rect, int margin) {
  ::InflateRect(&rect, margin, margin);
  return rect;
}

RECT WindowRect(HWND hwnd) {
  RECT rect{};
  ::GetWindowRect(hwnd, &rect);
  return rect;
}

// A visible top-level window of the process, or null.
HWND VisibleWindowOf(DWORD pid, const char* title = nullptr) {
  for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
    if (e2e::ProcessOf(w) != pid || !::IsWindowVisible(w)) continue;
    char text[128] = {};
    ::GetWindowTextA(w, text, sizeof text);
    if (!title || lstrcmpA(text, title) == 0) return w;
  }
  return nullptr;
}

void MoveTo(const RECT& rect, const std::string& then) {
  Xdotool("mousemove " + std::to_string((rect.left + rect.right) / 2) + " " +
          std::to_string((rect.top + rect.bottom) / 2) + " " + then);
}

// A desktop to stand behind everything, so that the pictures show no black X root.
class Desktop {
 public:
  Desktop() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZyfoTourDesktop";
    wc.hbrBackground = m_brush;
    ::RegisterClassA(&wc);
    m_hwnd = ::CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                               ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                               wc.hInstance, nullptr);
    ToBottom();
  }
  ~Desktop() {
    ::DestroyWindow(m_hwnd);
    ::DeleteObject(m_brush);
  }
  void ToBottom() const {
    ::SetWindowPos(m_hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    PumpFor(200);
  }

 private:
  HBRUSH m_brush = ::CreateSolidBrush(RGB(58, 110, 165));
  HWND m_hwnd = nullptr;
};

class Tour : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    // Rectangles in the pixels of the screen at any scale, as the program (per-monitor aware) has them.
    using SetContextFn = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
    if (auto set = reinterpret_cast<SetContextFn>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleA("user32.dll"), "SetProcessDpiAwarenessContext"))))
      set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    e2e::EndAllInstances();
    DeleteProgramSettings();
    // Visual styles are what the program asks for; Wine draws them with a theme only.
    UseWineLightTheme(true);
    s_desktop = new Desktop;
  }
  static void TearDownTestSuite() {
    delete s_program;
    s_program = nullptr;
    delete s_desktop;
    s_desktop = nullptr;
  }

  // The installed program, started as the tour's own process, with slot 6 on the launcher.
  static e2e::Program& Running() {
    if (!s_program || !s_program->Running()) {
      e2e::EndAllInstances();
      delete s_program;
      s_program = new e2e::Program(InstalledProgram());
      EXPECT_TRUE(s_program->StartAndWait());
      s_desktop->ToBottom();
    }
    return *s_program;
  }

  static Desktop* s_desktop;
  static e2e::Program* s_program;
};

Desktop* Tour::s_desktop = nullptr;
e2e::Program* Tour::s_program = nullptr;

TEST_F(Tour, Installer) {
  const std::string setup = ProgramFolder() + "\\..\\installer\\" ZYFO_INSTALLER_NAME;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = "\"" + setup + "\"";
  ASSERT_TRUE(::CreateProcessA(setup.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
  HWND wizard = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (wizard = VisibleWindowOf(process.dwProcessId)) != nullptr; }, 10000));
  PumpFor(800);
  Screenshot(Named("installer"), WindowRect(wizard));
  // Next (id 1) through components, folder, installation and finish, whenever it is enabled.
  const bool finished = PumpUntil(
      [&] {
        if (::WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) return true;
        PumpFor(700);
        if (::IsWindowEnabled(::GetDlgItem(wizard, IDOK))) ::PostMessageA(wizard, WM_COMMAND, IDOK, 0);
        return false;
      },
      30000);
  EXPECT_TRUE(finished);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  // The installer starts the program it installed.
  EXPECT_TRUE(PumpUntil([] { return ::FindWindowA(nullptr, res::kFrameTitle) != nullptr; }, 10000));
}

TEST_F(Tour, TrayMenu) {
  e2e::Program& program = Running();
  ASSERT_TRUE(PumpUntil([] { return TrayIcons().size() == 1; }));
  MoveTo(WindowRect(TrayIcons()[0]), "click 3");
  HWND menu = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (menu = VisibleWindowOf(program.ProcessId())) != nullptr; }));
  PumpFor(300);
  RECT area{};
  const RECT tray = WindowRect(::GetParent(TrayIcons()[0])), menuRect = WindowRect(menu);
  ::UnionRect(&area, &tray, &menuRect);
  Screenshot(Named("tray-menu"), Grown(area, 12));
  Xdotool("key Escape");
  PumpFor(300);
}

TEST_F(Tour, EveryPage) {
  // Two programs with functions of their own for the "Programme" tab (an
  // outside tool's reload makes them known): Notepad's 4th and 5th copy and paste.
  const std::string programs = kRoot + "\\" ZYFO_SECTION_PROGRAMS "\\";
  ASSERT_TRUE(WriteUserDword(programs + "notepad.exe", "key3", 9));
  ASSERT_TRUE(WriteUserDword(programs + "notepad.exe", "key4", 24));
  ASSERT_TRUE(WriteUserDword(programs + "wordpad.exe", "key4", 14));
  e2e::Program& program = Running();
  ::SendMessageA(program.Frame(), res::WM_RELOAD_BUTTONS, 0, 0);
  e2e::SheetDriver driver(program);
  ASSERT_TRUE(driver.Open());
  for (int tab = 0; tab < e2e::kTabCount; ++tab) {
    ASSERT_TRUE(driver.ShowTab(tab));
    Screenshot(Named("sheet-" + std::to_string(tab + 1) + "-" + kTabNames[tab]), WindowRect(driver.Sheet()));
  }
  ::PostMessageA(driver.Sheet(), WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(driver.WaitClosed());
}

TEST_F(Tour, HotButtonPopupOnBothPages) {
  // The sixth button slot opens the launcher (function 47), announced as an
  // outside tool would; two programs of the user's own on page 2.
  ASSERT_TRUE(WriteUserDword(kRoot + "\\Setting For Key", "key5", 47));
  ASSERT_TRUE(WriteUserString(kRoot + "\\Setting For ShortcutKey", "ShortcutKey #10", "C:\\windows\\notepad.exe"));
  ASSERT_TRUE(WriteUserString(kRoot + "\\Setting For ShortcutKey", "ShortcutKey #11", "C:\\windows\\regedit.exe"));
  ASSERT_TRUE(WriteUserDword(kRoot + "\\MenuPos", "x", 470));
  ASSERT_TRUE(WriteUserDword(kRoot + "\\MenuPos", "y", 320));
  e2e::Program& program = Running();
  ::SendMessageA(program.Frame(), res::WM_RELOAD_BUTTONS, 0, 0);

  ::PostMessageA(program.Dispatch(), makerlibs::WM_MOUSEBTN_DOWN, 0, 13);
  ::PostMessageA(program.Dispatch(), makerlibs::WM_MOUSEBTN_UP, 0, 13);
  HWND popup = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (popup = VisibleWindowOf(program.ProcessId(), res::kPopupTitle)) != nullptr; }));
  PumpFor(500);
  Screenshot(Named("popup-page-1"), Grown(WindowRect(popup), 24));
  MoveTo(WindowRect(popup), "click 5");
  ASSERT_TRUE(PumpUntil([&] { return ::IsWindowVisible(::GetDlgItem(popup, 1104)) != FALSE; }, 3000));
  // Leave the pointer beside the popup rather than on an icon.
  const RECT rect = WindowRect(popup);
  Xdotool("mousemove " + std::to_string(rect.right + 60) + " " + std::to_string(rect.bottom + 60));
  PumpFor(500);
  Screenshot(Named("popup-page-2"), Grown(rect, 24));
  ::PostMessageA(popup, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(popup); }));
}

// The resolution indicator: a resolution step (WM_MOUSEBTN_UP with 44, level 2)
// shows 1600 DPI in the top-right corner for 300 ms. The step is repeated every
// 100 ms while the picture is taken, so that it stays up.
TEST_F(Tour, ResolutionIndicator) {
  e2e::Program& program = Running();
  RECT work{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const RECT corner{work.right - 200, 0, work.right, 140};
  const std::string out = UnixPath(OutputFolder());
  ASSERT_TRUE(Screenshot("corner-before", corner));

  std::atomic<bool> stepping{true};
  const HWND dispatch = program.Dispatch();
  std::thread steps([&] {
    while (stepping) {
      ::PostMessageA(dispatch, makerlibs::WM_MOUSEBTN_UP, 0, 44);
      ::Sleep(100);
    }
  });
  PumpFor(300);
  Screenshot(Named("resolution-indicator"), corner);
  stepping = false;
  steps.join();
  PumpFor(500);

  // compare ends with status 0 when the two pictures are the same.
  EXPECT_FALSE(RunUnix("compare -metric AE '" + out + "/corner-before.png' '" + out +
                       "/" + Named("resolution-indicator") + ".png' null: 2>/dev/null"))
      << "the corner shows no picture";
  RunUnix("rm -f '" + out + "/corner-before.png'");
}

TEST_F(Tour, Exit) {
  e2e::Program& program = Running();
  ASSERT_TRUE(program.Exit());
  EXPECT_TRUE(PumpUntil([] { return TrayIcons().empty(); }));
  UseWineLightTheme(false);
}

}  // namespace
