// The Hot Button launcher of the real program: the popup a physical button
// opens, what its icons start, and the sheet's page that edits the shortcuts.
#include <gtest/gtest.h>
#include <windows.h>

#include <shlobj.h>

#include <cstring>
#include <sstream>
#include <string>

#include "framework/WideText.h"
#include "makerlibs/include/maker_contract.h"
#include "res/identity.h"
#include "tests/support/handle_probe.h"
#include "tests/support/input_observer.h"
#include "tests/support/program.h"
#include "tests/support/screen_pixels.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kRoot = "Software\\Trovane Mouse\\Pelrand";
const std::string kShortcuts = kRoot + "\\Setting For ShortcutKey";
constexpr const char* kToolFolder = "C:\\Program Files\\Zyfo Test";
constexpr const char* kTool = "C:\\Program Files\\Zyfo Test\\tool.exe";
constexpr const char* kDecoy = "C:\\Program.exe";  // what a split "C:\Program Files\..." would start

void SetSlot(int slot, const std::string& text) {
  ASSERT_TRUE(WriteUserString(kShortcuts, "ShortcutKey #" + std::to_string(slot), text));
}
void SetButton(int index, DWORD code) {
  ASSERT_TRUE(WriteUserDword(kRoot + "\\Setting For Key", "key" + std::to_string(index), code));
}
// Lines of the probe's log that contain `part`.
int LogLines(const std::string& part) {
  std::istringstream log(LaunchProbeLog());
  int n = 0;
  for (std::string line; std::getline(log, line);) n += line.find(part) != std::string::npos;
  return n;
}
// The foreground lock timeout a program started now finds.
std::string LockTimeoutSeen() {
  ClearLaunchProbeLog();
  RunWindows(ProgramFolder() + "\\launch_probe.exe", 5000);
  const std::string log = LaunchProbeLog();
  const std::size_t bar = log.find_last_of('|') + 1;
  return log.substr(bar, log.find('\n', bar) - bar);
}
// A verb of a file type, folders or a protocol that runs the probe with `tag`.
void RegisterProbe(const std::string& verbKey, const std::string& tag) {
  HKEY handle = nullptr;
  const std::string command = "\"" + ProgramFolder() + "\\launch_probe.exe\" " + tag + " \"%1\"";
  ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, (verbKey + "\\command").c_str(), 0, nullptr, 0, KEY_WRITE,
                              nullptr, &handle, nullptr), ERROR_SUCCESS);
  ::RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()), command.size() + 1);
  ::RegCloseKey(handle);
}

class Launcher : public testing::Test {
 protected:
  void SetUp() override {
    e2e::EndAllInstances();
    DeleteProgramSettings();
    ASSERT_TRUE(CreateUserKey(kShortcuts));  // installation creates it; the program never does
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
  HWND Popup() {
    HWND w = ::FindWindowA(nullptr, res::kPopupTitle);
    return w && e2e::ProcessOf(w) == program.ProcessId() ? w : nullptr;
  }
  HWND WaitPopup() {
    PumpUntil([&] { return Popup() && ::IsWindowVisible(Popup()); }, 3000);
    return Popup();
  }
  bool WaitPopupGone() { return PumpUntil([&] { return !Popup(); }, 3000); }
  // The sixth slot (no physical source) carries the Hot Button function.
  HWND OpenByMessage() {
    ::PostMessageA(program.Dispatch(), makerlibs::WM_MOUSEBTN_DOWN, 0, 13);
    ::PostMessageA(program.Dispatch(), makerlibs::WM_MOUSEBTN_UP, 0, 13);
    return WaitPopup();
  }
  void ClickSlot(HWND popup, int slot) {
    ::PostMessageA(popup, WM_COMMAND, MAKEWPARAM(1094 + slot, STN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(popup, 1094 + slot)));
  }
  void AtCentreOf(HWND window, const std::string& action) {
    RECT r{};
    ::GetWindowRect(window, &r);
    Xdotool("mousemove " + std::to_string((r.left + r.right) / 2) + " " + std::to_string((r.top + r.bottom) / 2) +
            " " + action);
  }
  bool UserPage(HWND popup) { return ::IsWindowVisible(::GetDlgItem(popup, 1104)) != FALSE; }
  DWORD Stored(const char* name) {
    DWORD value = 0xDEAD;
    ReadUserDword(kRoot + "\\MenuPos", name, &value);
    return value;
  }

  e2e::Program program;
};

TEST_F(Launcher, APhysicalButtonOpensThePopupWhoseWheelTurnsPagesWhoseIconsStartProgramsAndWhichLeaksNothing) {
  SetButton(3, 47);  // 4th: Hot-Button-Menü
  SetButton(4, 9);   // 5th: Kopieren (Strg+C)
  SetButton(5, 47);  // 6th, posted from here
  ASSERT_TRUE(WriteUserDword(kRoot + "\\MenuPos", "x", 5000) && WriteUserDword(kRoot + "\\MenuPos", "y", 5000));
  SetSlot(10, kTool);
  ScreenWindow screen;
  ASSERT_TRUE(program.StartAndWait());
  InputObserver observer;

  Xdotool("click 8");
  HWND popup = WaitPopup();
  ASSERT_NE(popup, nullptr);
  PumpFor(300);
  EXPECT_EQ(e2e::CountWindowsTitled(res::kPopupTitle), 1) << "the release of the opening button opens no second";
  RECT work{}, rect{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  ::GetWindowRect(popup, &rect);
  EXPECT_EQ(rect.right, work.right) << "5000, 5000 is clamped to the work area's corner";
  EXPECT_EQ(rect.bottom, work.bottom);
  Screenshot("popup-predefined-page");
  // Every other button keeps its function while the popup is open.
  Xdotool("mousemove 200 200 click 9");
  EXPECT_TRUE(PumpUntil([&] { return observer.InjectedText() == "kd11:11 kd43:11 ku11:91 ku43:91"; }, 3000))
      << observer.InjectedText();
  // One notch of a real wheel turns one page, either way; the first shows the user page.
  AtCentreOf(popup, "click 5");
  EXPECT_TRUE(PumpUntil([&] { return UserPage(popup); }, 2000));
  AtCentreOf(popup, "click 4");
  EXPECT_TRUE(PumpUntil([&] { return !UserPage(popup); }, 2000));
  AtCentreOf(popup, "click 5");
  ASSERT_TRUE(PumpUntil([&] { return UserPage(popup); }, 2000));
  AtCentreOf(::GetDlgItem(popup, 1104), "mousemove_relative 1 1 sleep 1.5");
  Screenshot("popup-user-page");  // with the tooltip of slot 10
  AtCentreOf(::GetDlgItem(popup, 1104), "click 1");
  EXPECT_TRUE(WaitPopupGone()) << "a click closes the popup";
  EXPECT_TRUE(PumpUntil([] { return LogLines("Zyfo Test\\tool.exe|") == 1; }, 5000)) << LaunchProbeLog();
  EXPECT_EQ(Stored("x"), static_cast<DWORD>(rect.left)) << "every close stores the position";

  // Escape closes it without starting anything and stores where it stood.
  Xdotool("mousemove 200 200 click 8");
  ASSERT_NE(popup = WaitPopup(), nullptr);
  ::SetWindowPos(popup, nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A click on the caption gives the popup the keyboard; a click on an icon would start it.
  Xdotool("mousemove 130 124 click 1 key Escape");
  EXPECT_TRUE(WaitPopupGone());
  EXPECT_TRUE(Stored("x") == 100u && Stored("y") == 120u) << Stored("x") << "," << Stored("y");
  EXPECT_EQ(LogLines("|"), 1) << LaunchProbeLog();

  // 200 openings leave no window, icon or GDI object behind; one open popup
  // (its windows and icons) shows in the counts.
  for (int slot = 11; slot <= 18; ++slot) SetSlot(slot, ProgramFolder() + "\\Pelrand.exe");
  const auto cycle = [&] {
    ::PostMessageA(OpenByMessage(), WM_COMMAND, IDCANCEL, 0);
    WaitPopupGone();
  };
  cycle();
  const int user = UserHandlesInUse(), gdi = GdiObjectCount(program.ProcessId());
  ASSERT_GT(gdi, 0) << "the program's GDI objects can be counted";
  ASSERT_NE(OpenByMessage(), nullptr);
  EXPECT_GT(UserHandlesInUse() - user, 15) << "an open popup's windows and icons are counted";
  ::PostMessageA(Popup(), WM_COMMAND, IDCANCEL, 0);
  WaitPopupGone();
  for (int i = 0; i < 200; ++i) cycle();
  EXPECT_LT(UserHandlesInUse() - user, 50) << "the program's handle slots grew";
  EXPECT_LT(GdiObjectCount(program.ProcessId()) - gdi, 50) << "the program's GDI objects grew";
}

TEST_F(Launcher, LaunchesNeverWaitStartOnlyWhatTheSlotNamesReachTheShellAndLeaveTheForegroundLockAlone) {
  ASSERT_TRUE(::CopyFileA((ProgramFolder() + "\\launch_probe.exe").c_str(), kDecoy, FALSE));
  const std::string document = TempFile("zyfo report.zyfodoc"), folder = "C:\\Zyfo Folder";
  ::CloseHandle(::CreateFileA(document.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  ::CreateDirectoryA(folder.c_str(), nullptr);
  char http[512] = {};
  LONG httpSize = sizeof http;
  ::RegQueryValueA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", http, &httpSize);
  ::RegSetValueA(HKEY_CLASSES_ROOT, ".zyfodoc", REG_SZ, "zyfodoc", 7);
  RegisterProbe("zyfodoc\\shell\\open", "doc");
  RegisterProbe("Folder\\shell\\zyfo", "folder");
  ::RegSetValueA(HKEY_CLASSES_ROOT, "Folder\\shell", REG_SZ, "zyfo", 4);  // the default verb
  RegisterProbe("http\\shell\\open", "url");  // addresses always go to "open"
  wchar_t documents[MAX_PATH] = {};
  ::SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents);
  // Slot 12 is the positive control: the decoy runs, and is seen, when it is named.
  const std::string texts[] = {std::string("\"") + kTool + "\" --slow", "C:\\Program Files\\Gone Tool\\gone.exe", kDecoy,
                               document, folder, "http://example.org/zyfo"};
  for (int slot = 10; slot <= 15; ++slot) SetSlot(slot, texts[slot - 10]);
  SetSlot(6, "MyDocument");
  SetButton(4, 9);   // 5th: Kopieren (Strg+C)
  SetButton(5, 47);  // 6th: Hot-Button-Menü
  const std::string lockBefore = LockTimeoutSeen();
  ASSERT_TRUE(program.StartAndWait());
  InputObserver observer;
  ClearLaunchProbeLog();

  // A program that takes three seconds to come up: the next button event is
  // performed at once, while it is still starting.
  HWND popup = OpenByMessage();
  ASSERT_NE(popup, nullptr);
  ClickSlot(popup, 10);
  LARGE_INTEGER posted{}, frequency{};
  ::QueryPerformanceCounter(&posted) && ::QueryPerformanceFrequency(&frequency);
  ::PostMessageA(program.Dispatch(), makerlibs::WM_MOUSEBTN_DOWN, 0, 14);
  ::PostMessageA(program.Dispatch(), makerlibs::WM_MOUSEBTN_UP, 0, 14);
  ASSERT_TRUE(PumpUntil([&] { return observer.InjectedCount() >= 4; }, 3000)) << observer.InjectedText();
  const double ms = 1000.0 * (observer.Injected()[0].counter.QuadPart - posted.QuadPart) / frequency.QuadPart;
  EXPECT_LT(ms, 50.0) << "the button event waited for the program";
  EXPECT_EQ(LogLines("--slow"), 0) << "the program was still starting";
  EXPECT_TRUE(WaitPopupGone());

  for (int slot : {11, 12, 13, 14, 15, 6}) {
    ASSERT_NE(popup = OpenByMessage(), nullptr) << slot;
    ClickSlot(popup, slot);
    EXPECT_TRUE(WaitPopupGone()) << slot;
  }
  EXPECT_TRUE(PumpUntil([] { return LogLines("|") >= 6; }, 8000)) << LaunchProbeLog();
  PumpFor(500);
  EXPECT_EQ(LogLines("tool.exe\" --slow|"), 1) << "a quoted program keeps its arguments";
  EXPECT_EQ(LogLines(std::string(kDecoy) + "|"), 1) << "the missing path started the decoy";
  EXPECT_EQ(LogLines("doc \"" + document + "\""), 1) << "the document reached its type's program";
  EXPECT_EQ(LogLines("folder \"" + folder), 1) << "the folder reached the shell";
  EXPECT_EQ(LogLines("url \"http://example.org/zyfo\""), 1) << "the address reached its protocol's program";
  EXPECT_EQ(LogLines("folder \"" + fw::Utf8(documents)), 1) << "MyDocument opened the Documents folder";
  EXPECT_EQ(LogLines("|" + lockBefore), 6) << "each program found the lock timeout as it was";
  EXPECT_EQ(LockTimeoutSeen(), lockBefore) << "the foreground lock timeout changed";
  // Positive control: a change made without storing it (as "0 after every popup"
  // was) is seen by programs started later.
  ::SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<void*>(12345), SPIF_SENDCHANGE);
  EXPECT_EQ(LockTimeoutSeen(), "12345");
  ::SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<void*>(std::stoul(lockBefore)),
                          SPIF_SENDCHANGE);

  ::RegSetValueA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", REG_SZ, http, std::strlen(http));
  ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "Folder\\shell\\zyfo");
  ::RegDeleteKeyValueA(HKEY_CLASSES_ROOT, "Folder\\shell", nullptr);
  ::DeleteFileA(kDecoy);
  ::DeleteFileA(document.c_str());
  ::RemoveDirectoryA(folder.c_str());
}

}  // namespace
