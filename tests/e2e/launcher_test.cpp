// The Hot Button launcher of the real program: the popup a physical button
// opens, and the sheet's page that edits the eighteen shortcuts.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "launcher/shortcut_table.h"
#include "makerlibs/include/maker_contract.h"
#include "res/identity.h"
#include "res/resource.h"
#include "tests/support/handle_probe.h"
#include "tests/support/input_observer.h"
#include "tests/support/program.h"
#include "tests/support/screen_pixels.h"
#include "tests/support/sheet_driver.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kRoot = "Software\\Trovane Mouse\\Pelrand";
const std::string kShortcuts = kRoot + "\\Setting For ShortcutKey";
constexpr const char* kToolFolder = "C:\\Program Files\\Zyfo Test";
constexpr const char* kTool = "C:\\Program Files\\Zyfo Test\\tool.exe";
constexpr int kLauncherTab = 1;

std::string Shortcut(int slot) {
  std::string text;
  return ReadUserString(kShortcuts, "ShortcutKey #" + std::to_string(slot), &text) ? text : "<absent>";
}

// Top-level windows of the program titled `title`.
HWND OwnWindow(const e2e::Program& program, const char* title, int* count = nullptr) {
  HWND found = nullptr;
  int n = 0;
  for (HWND w = ::FindWindowExA(nullptr, nullptr, nullptr, title); w; w = ::FindWindowExA(nullptr, w, nullptr, title)) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(w, &pid);
    if (pid != program.ProcessId()) continue;
    if (!found) found = w;
    ++n;
  }
  if (count) *count = n;
  return found;
}

class Launcher : public testing::Test {
 protected:
  void SetUp() override {
    e2e::EndAllInstances();
    DeleteProgramSettings();
    // Installation creates the shortcut section; the program never does.
    ASSERT_TRUE(CreateUserKey(kShortcuts));
    ClearLaunchProbeLog();
    ::CreateDirectoryA(kToolFolder, nullptr);
    ASSERT_TRUE(::CopyFileA((ProgramFolder() + "\\launch_probe.exe").c_str(), kTool, FALSE));
    Xdotool("mousemove 512 384");
  }
  void TearDown() override {
    ScreenshotOnFailure("launcher");
    if (program.Running()) program.Exit();
    ::DeleteFileA(kTool);
    ::RemoveDirectoryA(kToolFolder);
  }

  HWND WaitPopup() {
    HWND popup = nullptr;
    PumpUntil([&] { return (popup = OwnWindow(program, res::kPopupTitle)) != nullptr && ::IsWindowVisible(popup); },
              3000);
    PumpFor(200);
    return popup;
  }
  bool WaitPopupGone() {
    return PumpUntil([&] { return OwnWindow(program, res::kPopupTitle) == nullptr; }, 3000);
  }
  void AtCentreOf(HWND window, const std::string& action) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    Xdotool("mousemove " + std::to_string((rect.left + rect.right) / 2) + " " +
            std::to_string((rect.top + rect.bottom) / 2) + " " + action);
    PumpFor(200);
  }
  bool UserPageShown(HWND popup) {
    return ::IsWindowVisible(::GetDlgItem(popup, 1104)) && !::IsWindowVisible(::GetDlgItem(popup, 1095));
  }
  bool PredefinedPageShown(HWND popup) {
    return ::IsWindowVisible(::GetDlgItem(popup, 1095)) && !::IsWindowVisible(::GetDlgItem(popup, 1104));
  }
  DWORD Stored(const char* name) {
    DWORD value = 0xDEAD;
    ReadUserDword(kRoot + "\\MenuPos", name, &value);
    return value;
  }

  e2e::Program program;
};

TEST_F(Launcher, APhysicalButtonOpensThePopupWhoseWheelTurnsPagesAndWhoseIconsStartPrograms) {
  ASSERT_TRUE(WriteUserDword(kRoot + "\\Setting For Key", "key3", 47));  // 4th: Hot-Button-Menü
  ASSERT_TRUE(WriteUserDword(kRoot + "\\Setting For Key", "key4", 9));   // 5th: Kopieren (Strg+C)
  ASSERT_TRUE(WriteUserDword(kRoot + "\\MenuPos", "x", 5000));
  ASSERT_TRUE(WriteUserDword(kRoot + "\\MenuPos", "y", 5000));
  const launcher::Table defaults = launcher::DefaultTable();
  for (int slot = 1; slot <= 9; ++slot)
    ASSERT_TRUE(WriteUserString(kShortcuts, "ShortcutKey #" + std::to_string(slot), defaults[slot - 1]));
  ASSERT_TRUE(WriteUserString(kShortcuts, "ShortcutKey #10", kTool));
  ASSERT_TRUE(WriteUserString(kShortcuts, "ShortcutKey #11", " "));
  ScreenWindow screen;
  ASSERT_TRUE(program.StartAndWait());
  InputObserver observer;

  Xdotool("click 8");
  HWND popup = WaitPopup();
  ASSERT_NE(popup, nullptr);
  int popups = 0;
  PumpFor(300);
  OwnWindow(program, res::kPopupTitle, &popups);
  EXPECT_EQ(popups, 1) << "the release of the opening button opens no second popup";
  RECT work{}, rect{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  ::GetWindowRect(popup, &rect);
  EXPECT_EQ(rect.right, work.right) << "5000, 5000 is clamped to the work area's corner";
  EXPECT_EQ(rect.bottom, work.bottom);
  EXPECT_TRUE(PredefinedPageShown(popup));
  Screenshot("popup-predefined-page");

  // Every other button keeps its function while the popup is open.
  Xdotool("mousemove 200 200 click 9");
  EXPECT_TRUE(PumpUntil([&] { return observer.InjectedText() == "kd11:11 kd43:11 ku11:91 ku43:91"; }, 3000))
      << observer.InjectedText();

  AtCentreOf(popup, "click 5");
  EXPECT_TRUE(PumpUntil([&] { return UserPageShown(popup); }, 2000)) << "the first notch shows the user page";
  Screenshot("popup-user-page");
  AtCentreOf(popup, "click 4");
  EXPECT_TRUE(PumpUntil([&] { return PredefinedPageShown(popup); }, 2000)) << "either direction turns the page";
  AtCentreOf(popup, "click 5");
  ASSERT_TRUE(PumpUntil([&] { return UserPageShown(popup); }, 2000));

  // Slot 10: a program in a folder with a blank in its name starts as itself.
  AtCentreOf(::GetDlgItem(popup, 1104), "click 1");
  EXPECT_TRUE(WaitPopupGone()) << "a click closes the popup";
  EXPECT_TRUE(PumpUntil([] { return !LaunchProbeLog().empty(); }, 5000));
  EXPECT_NE(LaunchProbeLog().find("Zyfo Test\\tool.exe|"), std::string::npos) << LaunchProbeLog();
  EXPECT_EQ(Stored("x"), static_cast<DWORD>(rect.left)) << "every close stores the position";
  EXPECT_EQ(Stored("y"), static_cast<DWORD>(rect.top));

  // Escape closes it without starting anything and stores where it stood.
  Xdotool("mousemove 200 200 click 8");
  popup = WaitPopup();
  ASSERT_NE(popup, nullptr);
  ::SetWindowPos(popup, nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::GetWindowRect(popup, &rect);
  // A click on the caption gives the popup the keyboard; a click on an icon would start it.
  Xdotool("mousemove " + std::to_string((rect.left + rect.right) / 2) + " " + std::to_string(rect.top + 4) +
          " click 1 key Escape");
  const std::string logBefore = LaunchProbeLog();
  EXPECT_TRUE(WaitPopupGone());
  EXPECT_EQ(Stored("x"), 100u);
  EXPECT_EQ(Stored("y"), 120u);
  EXPECT_EQ(LaunchProbeLog(), logBefore);
}

TEST_F(Launcher, OpeningAndClosingThePopupTwoHundredTimesLeavesNoWindowOrIconBehind) {
  for (int slot = 10; slot <= 18; ++slot)
    ASSERT_TRUE(WriteUserString(kShortcuts, "ShortcutKey #" + std::to_string(slot), ProgramFolder() + "\\Pelrand.exe"));
  ASSERT_TRUE(WriteUserDword(kRoot + "\\Setting For Key", "key5", 47));  // the sixth slot, posted from here
  ASSERT_TRUE(program.StartAndWait());
  const auto cycle = [&] {
    // The release comes while the popup is open: it finds it and opens nothing.
    ::PostMessageA(program.Dispatch(), makerlibs::WM_MOUSEBTN_DOWN, 0, 13);
    ::PostMessageA(program.Dispatch(), makerlibs::WM_MOUSEBTN_UP, 0, 13);
    HWND popup = nullptr;
    PumpUntil([&] { return (popup = OwnWindow(program, res::kPopupTitle)) != nullptr; }, 3000);
    ::PostMessageA(popup, WM_COMMAND, IDCANCEL, 0);
    PumpUntil([&] { return OwnWindow(program, res::kPopupTitle) == nullptr; }, 3000);
  };
  cycle();
  // USER handles (windows, icons) of every process come from one table.
  const int before = UserHandlesInUse(), gdiBefore = GdiObjectCount(program.ProcessId());
  for (int i = 0; i < 200; ++i) cycle();
  const int after = UserHandlesInUse(), gdiAfter = GdiObjectCount(program.ProcessId());
  EXPECT_LT(after - before, 50) << "the program's handle slots grew";
  ASSERT_GT(gdiBefore, 0) << "the program's GDI objects can be counted";
  EXPECT_LT(gdiAfter - gdiBefore, 50) << "the program's GDI objects grew";

  // Positive control: what the program holds shows in the probe (an open sheet
  // holds a few hundred windows).
  e2e::SheetDriver driver(program);
  ASSERT_TRUE(driver.Open());
  for (int tab = 1; tab < 7; ++tab) driver.ShowTab(tab);
  EXPECT_GT(UserHandlesInUse() - after, 100);
  driver.Click(driver.Button(e2e::kCancelButton));
  EXPECT_TRUE(driver.WaitClosed());
}

class LauncherPage : public Launcher {
 protected:
  void OpenPage() {
    ASSERT_TRUE(driver.Open());
    ASSERT_TRUE(driver.ShowTab(kLauncherTab));
    list = driver.Item(IDC_SHORTCUT_LIST);
  }
  // A real click on a row's "No" cell.
  void ClickRow(int row) {
    ::SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    PumpFor(100);
    const RECT rect = driver.ListRowRect(list, row);
    Xdotool("mousemove " + std::to_string(rect.left + 10) + " " + std::to_string((rect.top + rect.bottom) / 2) +
            " click 1");
    PumpFor(300);
  }
  HWND MessageBoxOfProgram() {
    HWND box = nullptr;
    PumpUntil([&] { return (box = OwnWindow(program, "Pelrand")) != nullptr; }, 3000);
    return box;
  }
  std::string Path(int row) { return driver.ListText(list, row, 1); }

  e2e::SheetDriver driver{program};
  HWND list = nullptr;
};

TEST_F(LauncherPage, ListsEditsAndStoresTheEighteenShortcutsAndCancelDiscardsEdits) {
  ASSERT_TRUE(program.StartAndWait());
  OpenPage();
  ASSERT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 18);
  std::string labels;
  for (int row = 0; row < 18; ++row) labels += driver.ListText(list, row, 0);
  EXPECT_EQ(labels, "123456789abcdefghi");

  // No row yet: the buttons ask for one and change nothing.
  driver.Click(driver.Item(IDC_SHORTCUT_CLEAR));
  HWND box = MessageBoxOfProgram();
  ASSERT_NE(box, nullptr);
  char text[128] = {};
  for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    char piece[128] = {};
    ::GetWindowTextA(child, piece, sizeof piece);
    if (std::string(piece).find("Please") == 0) std::snprintf(text, sizeof text, "%s", piece);
  }
  EXPECT_STREQ(text, "Please select an option from the dialogue box at the right side! ");
  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(PumpUntil([&] { return OwnWindow(program, "Pelrand") == nullptr; }, 3000));

  // "Standard", then Apply: the nine names and nine blanks.
  driver.Click(driver.Item(IDC_SHORTCUT_DEFAULTS));
  EXPECT_EQ(Path(0), "Volume Control");
  driver.Click(driver.Button(e2e::kApplyButton));
  ASSERT_TRUE(PumpUntil([] { return Shortcut(18) == " "; }, 2000));
  const launcher::Table defaults = launcher::DefaultTable();
  for (int slot = 1; slot <= 18; ++slot) EXPECT_EQ(Shortcut(slot), defaults[slot - 1]) << slot;

  // The buttons act on the row selected, whether by mouse or keyboard.
  ClickRow(1);
  EXPECT_TRUE(driver.ListSelected(list, 1));
  Xdotool("key Down");
  EXPECT_TRUE(PumpUntil([&] { return driver.ListSelected(list, 2); }, 2000));
  driver.Click(driver.Item(IDC_SHORTCUT_CLEAR));
  EXPECT_EQ(Path(2), "");
  EXPECT_EQ(Path(1), "Command Prompt");

  // "Einstellung": the platform's file dialog, driven by the keyboard.
  ClickRow(9);
  driver.Click(driver.Item(IDC_SHORTCUT_ASSIGN));
  HWND dialog = nullptr;
  ASSERT_TRUE(PumpUntil([&] {
    dialog = ::GetForegroundWindow();
    DWORD pid = 0;
    ::GetWindowThreadProcessId(dialog, &pid);
    char cls[32] = {};
    ::GetClassNameA(dialog, cls, sizeof cls);
    return pid == program.ProcessId() && std::string(cls) == "#32770" && dialog != driver.Sheet();
  }, 5000));
  PumpFor(500);
  Xdotool(std::string("type --delay 20 '") + kTool + "'");
  Xdotool("key Return");
  EXPECT_TRUE(PumpUntil([&] { return Path(9) == kTool; }, 5000)) << Path(9);
  Screenshot("launcher-page");
  driver.Click(driver.Button(e2e::kApplyButton));
  EXPECT_TRUE(PumpUntil([] { return Shortcut(10) == kTool; }, 2000)) << Shortcut(10);
  EXPECT_EQ(Shortcut(3), " ") << "the cleared slot holds the blank marker";

  // Cancel after an edit: nothing stored, and the next opening shows what is stored.
  ClickRow(0);
  driver.Click(driver.Item(IDC_SHORTCUT_CLEAR));
  EXPECT_EQ(Path(0), "");
  driver.Click(driver.Button(e2e::kCancelButton));
  ASSERT_TRUE(driver.WaitClosed());
  EXPECT_EQ(Shortcut(1), "Volume Control");
  OpenPage();
  EXPECT_EQ(Path(0), "Volume Control");
  EXPECT_EQ(Path(9), kTool);
  EXPECT_FALSE(driver.ListSelected(list, 0)) << "the page opens with no row";
  driver.Click(driver.Button(e2e::kOkButton));
  ASSERT_TRUE(driver.WaitClosed());
  EXPECT_EQ(Shortcut(1), "Volume Control");
}

}  // namespace
