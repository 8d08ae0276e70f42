// What a user installs: the per-user installer of this build run silently
// (files, settings sections, autostart, Start-menu entry, Apps list, upgrade
// over a running copy, uninstall), and the sheet of the executable drawn in
// visual styles.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "launcher/shortcut_table.h"
#include "res/identity.h"
#include "res/version.h"
#include "tests/support/scenario.h"
#include "tests/support/sheet_driver.h"

using namespace testsupport;

namespace e2e {
namespace {

const std::string kShortcuts = Section(settings::kSectionShortcut);
const std::string kDpi = Section(settings::kSectionDpi);
const std::string kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pelrand";
const char* const kFiles[] = {"Pelrand.exe", "Varnel.dll", "Oskem.dll", "Fenwix.dll", "SkinMagic.dll"};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string Folder(int csidl) {
  char path[MAX_PATH] = {};
  ::SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

// The user's programs folder, as the installer chooses it by default.
std::string InstallDir() { return Folder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Pelrand"; }
std::string StartMenuEntry() { return Folder(CSIDL_PROGRAMS) + "\\Pelrand.lnk"; }
bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Value(const std::string& key, const std::string& name) {
  std::string text;
  return ReadUserString(key, name, &text) ? text : "<absent>";
}

std::string Shortcut(int slot) { return Value(kShortcuts, "ShortcutKey #" + std::to_string(slot)); }

// The program's process, found as the installer finds it: by the frame's title.
DWORD RunningProgram() { return ProcessOf(::FindWindowA(nullptr, res::kFrameTitle)); }

bool WaitForProgram(DWORD timeoutMs = 10000) {
  return PumpUntil([] { return RunningProgram() != 0 && ::FindWindowA(nullptr, res::kDispatchTitle); }, timeoutMs);
}

bool ProcessEnded(DWORD pid) {
  HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, pid);
  if (!process) return true;
  const bool ended = ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
  ::CloseHandle(process);
  return ended;
}

// Starts a command line without waiting, from `folder`; the process id, or 0.
DWORD StartProcess(const std::string& commandLine, const std::string& folder) {
  PROCESS_INFORMATION process{};
  if (!StartCommand(commandLine, folder, &process)) return 0;
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return process.dwProcessId;
}

FILETIME WriteTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

std::string SetupPath() {
#ifdef ZYFO_INSTALLER_NAME
  return ProgramFolder() + "\\..\\installer\\" ZYFO_INSTALLER_NAME;
#else
  return std::string();
#endif
}

// Runs the installer silently; true when it ended with status 0.
bool Install(const std::string& options = std::string()) {
  DWORD status = 1;
  return RunWindows("\"" + SetupPath() + "\" /S " + options, 60000, &status) && status == 0;
}

// The uninstaller copies itself to TEMP and starts that copy: its own process
// ends at once, so the result is waited for, not the process: the Apps-list
// entry, which goes last.
bool Uninstall() {
  const std::string uninstaller = InstallDir() + "\\Uninstall.exe";
  if (!Exists(uninstaller)) return true;
  return RunWindows("\"" + uninstaller + "\" /S", 20000) &&
         PumpUntil([] { return !UserKeyExists(kUninstallKey); }, 20000);
}

class Installer : public Scenario {};

TEST_F(Installer, InstallStartAtLogonReinstallOverTheRunningCopyAndUninstall) {
  if (SetupPath().empty()) GTEST_SKIP() << "built without makensis: no installer";
  ASSERT_TRUE(Uninstall());
  ASSERT_FALSE(Exists(InstallDir()));
  ASSERT_TRUE(Install());
  for (const char* file : kFiles) EXPECT_TRUE(Exists(InstallDir() + "\\" + file)) << file;
  EXPECT_TRUE(Exists(InstallDir() + "\\Uninstall.exe"));
  EXPECT_TRUE(Exists(StartMenuEntry()));
  // The launcher's default table, exactly (blanks included), and the empty resolution section.
  const launcher::Table defaults = launcher::DefaultTable();
  for (int slot = 1; slot <= launcher::kShortcutSlotCount; ++slot) EXPECT_EQ(Shortcut(slot), defaults[slot - 1]) << slot;
  EXPECT_EQ(Shortcut(10), " ");
  const std::string listed = RegistryText(kShortcuts);
  EXPECT_EQ(std::count(listed.begin(), listed.end(), '\n'), 18);
  EXPECT_EQ(RegistryText(kDpi), "") << "the resolution section exists and is empty";
  const std::string installed = InstallDir() + "\\Pelrand.exe";
  EXPECT_EQ(Value(kRunKey, "Pelrand"), "\"" + installed + "\"");
  EXPECT_EQ(Value(kUninstallKey, "DisplayName"), "Pelrand");
  EXPECT_EQ(Value(kUninstallKey, "DisplayVersion"), ZYFO_VERSION_TEXT);
  EXPECT_EQ(Value(kUninstallKey, "UninstallString"), "\"" + InstallDir() + "\\Uninstall.exe\"");
  EXPECT_EQ(Value(kUninstallKey, "QuietUninstallString"), "\"" + InstallDir() + "\\Uninstall.exe\" /S");
  // The installer starts what it installed.
  ASSERT_TRUE(WaitForProgram());
  EXPECT_EQ(Lower(ImagePathOf(RunningProgram())), Lower(installed));

  // As at logon: the autostart command line alone, started from another folder,
  // gives the tray icon and loads the four libraries from the installation.
  EndAllInstances();
  ASSERT_TRUE(PumpUntil([] { return TrayIcons().empty(); }));
  const DWORD pid = StartProcess(Value(kRunKey, "Pelrand"), Folder(CSIDL_PROFILE));
  ASSERT_NE(pid, 0u);
  ASSERT_TRUE(WaitForProgram());
  EXPECT_EQ(RunningProgram(), pid);
  EXPECT_TRUE(PumpUntil([] { return TrayIcons().size() == 1; }));
  DWORD_PTR answer = 0;  // the worker thread answers once the hooks are in
  ASSERT_TRUE(::SendMessageTimeoutA(::FindWindowA(nullptr, res::kDispatchTitle), WM_NULL, 0, 0, SMTO_BLOCK, 10000,
                                    &answer));
  std::vector<std::string> modules = LoadedModules(pid);
  for (std::string& m : modules) m = Lower(m);
  for (const char* file : kFiles)
    EXPECT_NE(std::find(modules.begin(), modules.end(), Lower(InstallDir() + "\\" + file)), modules.end()) << file;

  // The user's own choices, one slot emptied and one deleted by hand, and a program file marked as old.
  ASSERT_TRUE(WriteUserString(kShortcuts, "ShortcutKey #3", "C:\\Tools\\my tool.exe"));
  ASSERT_TRUE(WriteUserString(kShortcuts, "ShortcutKey #11", ""));
  ASSERT_TRUE(WriteUserDword(kDpi, "MouseDpi", 1600));
  ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kShortcuts.c_str(), "ShortcutKey #5");
  HANDLE file = ::CreateFileA(installed.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  SYSTEMTIME old{2001, 1, 1, 1, 12, 0, 0, 0};
  FILETIME oldTime{};
  ::SystemTimeToFileTime(&old, &oldTime);
  ASSERT_TRUE(::SetFileTime(file, nullptr, nullptr, &oldTime));
  ::CloseHandle(file);

  // Reinstalled over the running copy, with autostart switched off.
  ASSERT_TRUE(Install("/NOAUTOSTART"));
  EXPECT_TRUE(ProcessEnded(pid)) << "the running copy was stopped";
  const FILETIME newTime = WriteTime(installed);
  EXPECT_NE(::CompareFileTime(&oldTime, &newTime), 0) << "the program file was replaced";
  ASSERT_TRUE(WaitForProgram());
  PumpFor(1000);
  EXPECT_EQ(CountWindowsTitled(res::kFrameTitle), 1);
  EXPECT_NE(RunningProgram(), pid);
  EXPECT_EQ(Shortcut(3), "C:\\Tools\\my tool.exe");
  EXPECT_EQ(Shortcut(11), "");
  EXPECT_EQ(Shortcut(5), "Outlook Express") << "a missing slot gets its default again";
  DWORD dpi = 0;
  EXPECT_TRUE(ReadUserDword(kDpi, "MouseDpi", &dpi) && dpi == 1600);
  EXPECT_EQ(Value(kRunKey, "Pelrand"), "<absent>");
  EXPECT_TRUE(Exists(StartMenuEntry()));
  ASSERT_TRUE(Install());
  EXPECT_NE(Value(kRunKey, "Pelrand"), "<absent>") << "and back on";

  // The silent uninstall stops and removes everything but the settings.
  ASSERT_TRUE(WaitForProgram());
  const DWORD running = RunningProgram();
  ASSERT_TRUE(Uninstall());
  EXPECT_TRUE(PumpUntil([&] { return ProcessEnded(running); }));
  EXPECT_FALSE(Exists(InstallDir()));
  EXPECT_FALSE(Exists(StartMenuEntry()));
  EXPECT_EQ(Value(kRunKey, "Pelrand"), "<absent>");
  EXPECT_TRUE(PumpUntil([] { return TrayIcons().empty(); }));
  EXPECT_EQ(Shortcut(3), "C:\\Tools\\my tool.exe");
  EXPECT_EQ(Shortcut(1), "Volume Control");
  EXPECT_TRUE(UserKeyExists(kDpi));
}

// The executable as built: its resources, read back from the file.
class Executable : public Scenario {
 protected:
  void SetUp() override {
    Scenario::SetUp();
    screen.reset();  // the screenshots show the sheet
  }
  void TearDown() override {
    UseWineLightTheme(false);
    Scenario::TearDown();
  }
};

// Children of `parent` reaching outside its client area.
std::vector<int> ControlsOutside(HWND parent) {
  RECT client{};
  ::GetClientRect(parent, &client);
  ::MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
  std::vector<int> outside;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (!::IsWindowVisible(child)) continue;
    RECT rect{};
    ::GetWindowRect(child, &rect);
    if (rect.left < client.left || rect.top < client.top || rect.right > client.right || rect.bottom > client.bottom)
      outside.push_back(::GetDlgCtrlID(child));
  }
  return outside;
}

TEST_F(Executable, SheetUsesCommonControlsSixAndEveryPageFitsWithVisualStyles) {
  EndAllInstances();
  ASSERT_TRUE(UseWineLightTheme(true));
  ASSERT_TRUE(program.StartAndWait());
  SheetDriver driver(program);
  ASSERT_TRUE(driver.Open());

  // Wine keeps version 6 of the common controls apart, in its side-by-side
  // store, from version 5 in the system folder: the program gets version 6.
  std::string used;
  for (const std::string& m : LoadedModules(program.ProcessId()))
    if (Lower(m).find("comctl32.dll") != std::string::npos) used = Lower(m);
  EXPECT_NE(used.find("\\winsxs\\"), std::string::npos) << used;
  EXPECT_NE(used.find("microsoft.windows.common-controls_6595b64144ccf1df_6."), std::string::npos) << used;

  RECT sheetRect{};
  ::GetWindowRect(driver.Sheet(), &sheetRect);
  for (int tab = 0; tab < kTabCount; ++tab) {
    ASSERT_TRUE(driver.ShowTab(tab));
    EXPECT_EQ(ControlsOutside(driver.CurrentPage()), std::vector<int>()) << "tab " << tab + 1;
    EXPECT_EQ(ControlsOutside(driver.Sheet()), std::vector<int>()) << "tab " << tab + 1;
    Screenshot("styled-sheet-tab-" + std::to_string(tab + 1), sheetRect);
  }
  ::PostMessageA(driver.Sheet(), WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(driver.WaitClosed());
}

}  // namespace
}  // namespace e2e
