// The Hot Button launcher of the real program: the popup a physical button
// opens, and what its icons start.
#include <gtest/gtest.h>
#include <windows.h>

#include <shlobj.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "framework/wide_text_win.h"
#include "makerlibs/include/maker_contract.h"
#include "res/identity.h"
#include "tests/support/scenario.h"
#include "tests/support/screen_pixels.h"

using namespace testsupport;

namespace e2e {
namespace {

const std::string kShortcuts = Section(settings::kSectionShortcut);
constexpr const char* kToolFolder = "C:\\Program Files\\Zyfo Test";
constexpr const char* kTool = "C:\\Program Files\\Zyfo Test\\tool.exe";
constexpr const char* kDecoy = "C:\\Program.exe";  // what a split "C:\Program Files\..." would start

void SetSlot(int slot, const std::string& text) {
  ASSERT_TRUE(WriteUserString(kShortcuts, settings::ShortcutValueName(slot), text));
}
// Lines of the probe's log that contain `part`.
int LogLines(const std::string& part) {
  std::istringstream log(LaunchProbeLog());
  int n = 0;
  for (std::string line; std::getline(log, line);) n += line.find(part) != std::string::npos;
  return n;
}
// The default value of a key of the shell's classes, creating the key.
void SetClass(const std::string& key, const std::string& text) {
  ASSERT_EQ(::RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, text.c_str(), DWORD(text.size())), ERROR_SUCCESS);
}
// A verb's command that runs the probe with `tag` and the file or address.
std::string ProbeCommand(const std::string& tag) {
  return "\"" + ProgramFolder() + "\\launch_probe.exe\" " + tag + " \"%1\"";
}

class Launcher : public Scenario {
 protected:
  void SetUp() override {
    Scenario::SetUp();
    ASSERT_TRUE(CreateUserKey(kShortcuts));  // as installed; the program never creates it
    ClearLaunchProbeLog();
    ::CreateDirectoryA(kToolFolder, nullptr);
    ASSERT_TRUE(::CopyFileA((ProgramFolder() + "\\launch_probe.exe").c_str(), kTool, FALSE));
  }
  void TearDown() override {
    Scenario::TearDown();
    if (program.Running()) program.Exit();
    ::DeleteFileA(kTool);
    ::RemoveDirectoryA(kToolFolder);
  }
  HWND Popup() {
    HWND w = ::FindWindowA(nullptr, res::kPopupTitle);
    return w && ProcessOf(w) == program.ProcessId() ? w : nullptr;
  }
  HWND WaitPopup() {
    return PumpUntil([&] { return Popup() && ::IsWindowVisible(Popup()); }, 3000) ? Popup() : nullptr;
  }
  bool WaitPopupGone() { return PumpUntil([&] { return !Popup(); }, 3000); }
  // The sixth slot (no physical source) carries the Hot Button function.
  HWND OpenByMessage() {
    ::PostMessageA(program.Dispatch(), makerlibs::WM_MOUSEBTN_DOWN, 0, 13);
    ::PostMessageA(program.Dispatch(), makerlibs::WM_MOUSEBTN_UP, 0, 13);
    return WaitPopup();
  }
  // Opens the popup and clicks the icon of `slot`; false when no popup opened.
  bool ClickSlot(int slot) {
    HWND popup = OpenByMessage(), icon = ::GetDlgItem(popup, 1094 + slot);
    return popup &&
           ::PostMessageA(popup, WM_COMMAND, MAKEWPARAM(1094 + slot, STN_CLICKED), reinterpret_cast<LPARAM>(icon));
  }
};

TEST_F(Launcher, OpensOnAButtonTurnsPerNotchStartsOnlyWhatASlotNamesWithoutWaitingAndLeaksNothing) {
  const std::string slots[] = {kTool, "C:\\windows", "https://example.org", " "};
  for (int slot = 10; slot <= 13; ++slot) SetSlot(slot, slots[slot - 10]);
  Start({{3, 47}, {4, 9}, {5, 47}});  // 4th and 6th (posted from here): Hot-Button-Menü; 5th: Kopieren

  HWND popup = Xdotool("click 8") ? WaitPopup() : nullptr;
  ASSERT_NE(popup, nullptr);
  Xdotool("mousemove 200 200 click 9");
  EXPECT_TRUE(PumpUntil([&] { return observer->InjectedText() == "kd11:11 kd43:11 ku11:91 ku43:91"; }, 3000))
      << "another button's function while the popup is open: " << observer->InjectedText();
  const auto userPageAfter = [&](const char* notch) {
    ClickCentre(popup, notch);
    PumpFor(300);
    return ::IsWindowVisible(::GetDlgItem(popup, 1104)) != FALSE;
  };
  ASSERT_TRUE(userPageAfter("click 5") && !userPageAfter("click 4") && userPageAfter("click 5"))
      << "one page per notch of a real wheel, either way, the user page first";
  ClickCentre(::GetDlgItem(popup, 1104));
  EXPECT_TRUE(WaitPopupGone()) << "a click closes the popup";
  EXPECT_TRUE(PumpUntil([] { return LogLines("Zyfo Test\\tool.exe|") == 1; }, 5000)) << LaunchProbeLog();

  // Escape closes it without starting anything and stores where it stood.
  Xdotool("mousemove 200 200 click 8");
  ASSERT_NE(popup = WaitPopup(), nullptr);
  EXPECT_TRUE(!userPageAfter("click 5") && userPageAfter("click 5")) << "the run of pages goes on in the next popup";
  ::SetWindowPos(popup, nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A click on the caption gives the popup the keyboard; a click on an icon would start it.
  Xdotool("mousemove 130 124 click 1 key Escape");
  EXPECT_TRUE(WaitPopupGone());
  DWORD x = 0, y = 0;
  EXPECT_TRUE(ReadUserDword(Section(settings::kSectionMenuPos), "x", &x) &&
              ReadUserDword(Section(settings::kSectionMenuPos), "y", &y));
  EXPECT_TRUE(x == 100u && y == 120u) << x << "," << y;
  EXPECT_EQ(LogLines("|"), 1) << LaunchProbeLog();

  // 200 openings leave no icon behind (Wine keeps an icon's pictures as GDI
  // objects of its process), while one open popup's icons do show in the count.
  for (int slot = 14; slot <= 18; ++slot) SetSlot(slot, ProgramFolder() + "\\Pelrand.exe");
  const auto cycle = [&] {
    ::PostMessageA(OpenByMessage(), WM_COMMAND, IDCANCEL, 0);
    return WaitPopupGone();
  };
  cycle();
  const int gdi = GdiObjectCount(program.ProcessId());
  ASSERT_TRUE(gdi > 0 && OpenByMessage()) << "the program's GDI objects can be counted, and a popup opens";
  EXPECT_GT(GdiObjectCount(program.ProcessId()) - gdi, 5) << "the open popup's icons";
  ::PostMessageA(Popup(), WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitPopupGone());
  for (int i = 0; i < 200; ++i) ASSERT_TRUE(cycle());
  EXPECT_LT(GdiObjectCount(program.ProcessId()) - gdi, 50) << "the program's GDI objects grew";

  ASSERT_TRUE(::CopyFileA((ProgramFolder() + "\\launch_probe.exe").c_str(), kDecoy, FALSE));
  const std::string document = TempFile("zyfo report.zyfodoc"), folder = "C:\\Zyfo Folder";
  ::CloseHandle(::CreateFileA(document.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  ::CreateDirectoryA(folder.c_str(), nullptr);
  char http[512] = {};
  LONG httpSize = sizeof http;
  ::RegQueryValueA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", http, &httpSize);
  SetClass(".zyfodoc", "zyfodoc");
  SetClass("zyfodoc\\shell\\open\\command", ProbeCommand("doc"));
  SetClass("Folder\\shell", "zyfo");  // the default verb
  SetClass("Folder\\shell\\zyfo\\command", ProbeCommand("folder"));
  SetClass("http\\shell\\open\\command", ProbeCommand("url"));  // addresses always go to "open"
  wchar_t documents[MAX_PATH] = {};
  ::SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents);
  // Slot 12 is the positive control: the decoy runs, and is seen, when it is named.
  const std::string launches[] = {std::string("\"") + kTool + "\" --slow", "C:\\Program Files\\Gone Tool\\gone.exe",
                               kDecoy, document, folder, "http://example.org/zyfo"};
  for (int slot = 10; slot <= 15; ++slot) SetSlot(slot, launches[slot - 10]);
  SetSlot(6, "MyDocument");
  SetSlot(8, "Notepad");
  // Every program started from here must find the lock timeout this test sets:
  // the program never changes it, and a change made without storing it (as the
  // program once made after every popup) is seen by programs started later.
  DWORD lockTimeout = 0;
  ::SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &lockTimeout, 0);
  ::SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<void*>(12345), SPIF_SENDCHANGE);
  ClearLaunchProbeLog();
  observer->Clear();

  // A program that takes three seconds to come up: the next button event is
  // performed at once, while it is still starting.
  ASSERT_TRUE(ClickSlot(10));
  LARGE_INTEGER posted{}, frequency{};
  ::QueryPerformanceCounter(&posted);
  ::PostMessageA(program.Dispatch(), makerlibs::WM_MOUSEBTN_DOWN, 0, 14);
  ::PostMessageA(program.Dispatch(), makerlibs::WM_MOUSEBTN_UP, 0, 14);
  ASSERT_TRUE(PumpUntil([&] { return observer->InjectedCount() >= 4; }, 3000)) << observer->InjectedText();
  ::QueryPerformanceFrequency(&frequency);
  EXPECT_LT(1000 * (observer->Injected()[0].counter.QuadPart - posted.QuadPart), 50 * frequency.QuadPart)
      << "the button event waited for the program (counts of " << frequency.QuadPart << " a second)";
  EXPECT_EQ(LogLines("--slow"), 0) << "the program was still starting";
  EXPECT_TRUE(WaitPopupGone());

  for (int slot : {11, 12, 13, 14, 15, 6, 8}) EXPECT_TRUE(ClickSlot(slot) && WaitPopupGone()) << slot;
  HWND notepad = nullptr;
  EXPECT_TRUE(PumpUntil([&] { return (notepad = ::FindWindowA("Notepad", nullptr)) != nullptr; }, 8000))
      << "a predefined program starts through the shell";
  ::PostMessageA(notepad, WM_CLOSE, 0, 0);
  EXPECT_TRUE(PumpUntil([] { return LogLines("|") >= 6; }, 8000)) << LaunchProbeLog();
  EXPECT_EQ(LogLines("tool.exe\" --slow|"), 1) << "a quoted program keeps its arguments";
  EXPECT_EQ(LogLines(std::string(kDecoy) + "|"), 1) << "the missing path started the decoy";
  EXPECT_EQ(LogLines("doc \"" + document + "\""), 1) << "the document reached its type's program";
  EXPECT_EQ(LogLines("folder \"" + folder), 1) << "the folder reached the shell";
  EXPECT_EQ(LogLines("url \"http://example.org/zyfo\""), 1) << "the address reached its protocol's program";
  EXPECT_EQ(LogLines("folder \"" + fw::Utf8(documents)), 1) << "MyDocument opened the Documents folder";
  EXPECT_EQ(LogLines("|12345"), 6) << "the foreground lock timeout changed";
  ::SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<void*>(std::uintptr_t{lockTimeout}), 0);
  SetClass("http\\shell\\open\\command", http);
  ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "Folder\\shell\\zyfo");
  ::RegDeleteKeyValueA(HKEY_CLASSES_ROOT, "Folder\\shell", nullptr);
  ::DeleteFileA(kDecoy);
}

}  // namespace
}  // namespace e2e
