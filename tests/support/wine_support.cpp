#include "tests/support/wine_support.h"

#include <commctrl.h>

#include "settings/schema.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace testsupport {

void PumpFor(DWORD ms) { PumpUntil([] { return false; }, ms); }

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  DWORD start = ::GetTickCount();
  MSG msg;
  while (!done()) {
    if (::GetTickCount() - start >= timeoutMs) return done();
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

TestWindow::TestWindow(UINT first, UINT last, bool screen, std::function<void(HDC)> paint)
    : m_first(first), m_last(last), m_paint(std::move(paint)) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "ZyfoTestWindow";
  wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
  wc.style = CS_DBLCLKS;
  ::RegisterClassA(&wc);  // fails harmlessly from the second window on
  if (!screen) {
    m_hwnd = ::CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, this);
    return;
  }
  m_hwnd = ::CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "Zyfo test screen", WS_POPUP | WS_VISIBLE, 0, 0,
                             ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                             wc.hInstance, this);
  ::SetForegroundWindow(m_hwnd);
  ::UpdateWindow(m_hwnd);
  PumpFor(300);
}

TestWindow::~TestWindow() {
  if (m_hwnd) ::DestroyWindow(m_hwnd);
}

int TestWindow::Count(UINT message) const {
  return static_cast<int>(
      std::count_if(m_entries.begin(), m_entries.end(), [&](const Entry& e) { return e.message == message; }));
}

LRESULT CALLBACK TestWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE)
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
  auto* self = reinterpret_cast<TestWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self && msg >= self->m_first && msg <= self->m_last) self->m_entries.push_back(Entry{msg, wp, lp});
  if (self && self->m_paint && msg == WM_ERASEBKGND) return 1;
  if (self && self->m_paint && msg == WM_PAINT) {
    PAINTSTRUCT paint;
    self->m_paint(::BeginPaint(hwnd, &paint));
    ::EndPaint(hwnd, &paint);
    return 0;
  }
  return ::DefWindowProcA(hwnd, msg, wp, lp);
}

std::vector<HWND> TopLevelWindows(DWORD pid) {
  struct Search {
    DWORD pid;
    std::vector<HWND> found;
  } search{pid, {}};
  ::EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(hwnd, &owner);
        if (!s->pid || owner == s->pid) s->found.push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void ClickCentre(HWND window, const std::string& action) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  Xdotool("mousemove " + std::to_string((rect.left + rect.right) / 2) + " " +
          std::to_string((rect.top + rect.bottom) / 2) + " " + action);
}

std::vector<HWND> TrayIcons() {
  std::vector<HWND> icons;
  HWND tray = ::FindWindowA("__winex11_standalone_tray", nullptr);
  for (HWND child = tray ? ::FindWindowExA(tray, nullptr, nullptr, nullptr) : nullptr; child;
       child = ::FindWindowExA(tray, child, nullptr, nullptr))
    icons.push_back(child);
  return icons;
}

// Wine's tray gives each icon a tooltip control of its own, which holds the
// tip as the text of one tool: the icon's window.
std::string TrayTipOf(HWND icon) {
  constexpr SIZE_T kText = 1024;
  for (HWND tooltip : TopLevelWindows()) {
    char name[32] = {};
    if (!::GetClassNameA(tooltip, name, sizeof name) || lstrcmpiA(name, TOOLTIPS_CLASSA) != 0) continue;
    const int count = static_cast<int>(::SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      RemoteBuffer remote(tooltip, sizeof(TTTOOLINFOW) + kText);
      TTTOOLINFOW info{};
      info.cbSize = sizeof info;
      info.lpszText = reinterpret_cast<wchar_t*>(remote.get() + sizeof info);
      if (!remote.Write(0, &info, sizeof info)) continue;
      if (!::SendMessageW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote.get())))
        continue;
      wchar_t text[kText / sizeof(wchar_t) + 1] = {};
      if (!remote.Read(0, &info, sizeof info) || !remote.Read(sizeof info, text, kText)) continue;
      if (info.hwnd != icon && info.uId != reinterpret_cast<UINT_PTR>(icon)) continue;
      char narrow[kText] = {};
      ::WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow - 1, nullptr, nullptr);
      return narrow;
    }
  }
  return std::string();
}

std::string DeviceFile() {
  const char* file = std::getenv("ZYFO_DEVICE_FILE");
  return file && *file ? std::string("Z:") + file : std::string();
}

void ScreenshotOnFailure(const std::string& prefix) {
  if (!testing::Test::HasFailure()) return;
  Screenshot("failed-" + prefix + "-" + testing::UnitTest::GetInstance()->current_test_info()->name());
}

std::string Section(const char* section) { return std::string(settings::kProfileRoot) + "\\" + section; }

void DeleteProgramSettings() {
  ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + settings::kRegistryKey).c_str());
}

namespace {
// Opens (or, with create, makes) a key below HKEY_CURRENT_USER; false when that failed.
bool WithUserKey(const std::string& subKey, bool create) {
  HKEY key = nullptr;
  const LSTATUS status =
      create ? ::RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)
             : ::RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &key);
  if (status == ERROR_SUCCESS) ::RegCloseKey(key);
  return status == ERROR_SUCCESS;
}
bool GetUserValue(const std::string& subKey, const std::string& name, DWORD type, void* data, DWORD* size) {
  return ::RegGetValueA(HKEY_CURRENT_USER, subKey.c_str(), name.c_str(), type, nullptr, data, size) == ERROR_SUCCESS;
}
bool SetUserValue(const std::string& subKey, const std::string& name, DWORD type, const void* data, size_t size) {
  return ::RegSetKeyValueA(HKEY_CURRENT_USER, subKey.c_str(), name.c_str(), type, data, static_cast<DWORD>(size)) ==
         ERROR_SUCCESS;
}
}  // namespace

bool CreateUserKey(const std::string& subKey) { return WithUserKey(subKey, true); }
bool UserKeyExists(const std::string& subKey) { return WithUserKey(subKey, false); }

bool ReadUserDword(const std::string& subKey, const std::string& name, DWORD* value) {
  DWORD size = sizeof *value;
  return GetUserValue(subKey, name, RRF_RT_REG_DWORD, value, &size);
}

bool WriteUserDword(const std::string& subKey, const std::string& name, DWORD value) {
  return SetUserValue(subKey, name, REG_DWORD, &value, sizeof value);
}

bool ReadUserString(const std::string& subKey, const std::string& name, std::string* value) {
  DWORD size = 0;
  if (!GetUserValue(subKey, name, RRF_RT_REG_SZ, nullptr, &size)) return false;
  std::vector<char> buffer(size + 1, 0);
  if (!GetUserValue(subKey, name, RRF_RT_REG_SZ, buffer.data(), &size)) return false;
  *value = buffer.data();
  return true;
}

bool WriteUserString(const std::string& subKey, const std::string& name, const std::string& value) {
  return SetUserValue(subKey, name, REG_SZ, value.c_str(), value.size() + 1);
}

std::string RegistryText(const std::string& subKey) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return subKey + " absent\n";
  std::string out;
  char name[256];
  DWORD nameSize = sizeof name, type = 0, size = 0;
  for (DWORD i = 0; ::RegEnumValueA(key, i, name, &nameSize, nullptr, &type, nullptr, &size) == 0;
       ++i, nameSize = sizeof name) {
    std::string data(size, '\0');
    nameSize = sizeof name;
    ::RegEnumValueA(key, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size);
    out += subKey + "\\" + name + "=" + std::to_string(type) + ":" + data.substr(0, size) + "\n";
  }
  for (DWORD i = 0; nameSize = sizeof name, ::RegEnumKeyExA(key, i, name, &nameSize, 0, 0, 0, 0) == 0; ++i)
    out += RegistryText(subKey + "\\" + name);
  ::RegCloseKey(key);
  return out;
}

int StoredSystemValue(const std::string& key, const std::string& name) {
  std::string text;
  if (!ReadUserString("Control Panel\\" + key, name, &text)) return kNoStoredValue;
  return std::atoi(text.c_str());
}

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of("\\/"));
}

std::string OutputFolder() {
  const char* out = std::getenv("ZYFO_TEST_OUTPUT");
  return out && *out ? std::string(out) : UnixPath(ProgramFolder());
}

std::string TempFile(const char* name) {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + name;
}

std::string LaunchProbeLog() {
  std::ifstream in(TempFile("zyfo-launch-probe.txt"));
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void ClearLaunchProbeLog() { ::DeleteFileA(TempFile("zyfo-launch-probe.txt").c_str()); }

std::string UnixPath(const std::string& windowsPath) {
  if (!windowsPath.empty() && windowsPath[0] == '/') return windowsPath;
  typedef char*(CDECL * GetUnixFileNameFn)(const WCHAR*);
  auto fn = reinterpret_cast<GetUnixFileNameFn>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  WCHAR wide[MAX_PATH] = {};
  ::MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH);
  char* unix = fn ? fn(wide) : nullptr;
  if (!unix) return windowsPath;
  std::string result(unix);
  ::HeapFree(::GetProcessHeap(), 0, unix);
  return result;
}

bool Screenshot(const std::string& name, const RECT& area) {
  const LONG right = std::min<LONG>(area.right, ::GetSystemMetrics(SM_CXSCREEN));
  const LONG bottom = std::min<LONG>(area.bottom, ::GetSystemMetrics(SM_CYSCREEN));
  const LONG left = std::max<LONG>(area.left, 0), top = std::max<LONG>(area.top, 0);
  if (right <= left || bottom <= top) return false;
  const std::string geometry = std::to_string(right - left) + "x" + std::to_string(bottom - top) + "+" +
                               std::to_string(left) + "+" + std::to_string(top);
  return RunUnix("/usr/bin/import -window root -crop " + geometry + " +repage " + UnixPath(OutputFolder()) + "/" +
                     name + ".png",
                 20000);
}

bool UseWineLightTheme(bool on) {
  const char* key = "Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
  if (!on) return WriteUserString(key, "ThemeActive", "0");
  char windows[MAX_PATH] = {};
  ::GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string style = std::string(windows) + "\\resources\\themes\\light\\light.msstyles";
  if (::GetFileAttributesA(style.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  return WriteUserString(key, "DllName", style) && WriteUserString(key, "ColorName", "NormalColor") &&
         WriteUserString(key, "SizeName", "NormalSize") && WriteUserString(key, "ThemeActive", "1");
}

bool StartCommand(const std::string& commandLine, const std::string& folder, PROCESS_INFORMATION* started) {
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back(0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  *started = PROCESS_INFORMATION{};
  return ::CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, started) != FALSE;
}

bool RunWindows(const std::string& commandLine, DWORD timeoutMs, DWORD* exitCode, const std::string& folder) {
  PROCESS_INFORMATION process{};
  if (!StartCommand(commandLine, folder, &process)) return false;
  const bool ended =
      PumpUntil([&] { return ::WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, timeoutMs);
  if (ended && exitCode) ::GetExitCodeProcess(process.hProcess, exitCode);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return ended;
}

bool RunUnix(const std::string& shellCommand, DWORD timeoutMs) {
  static LONG counter = 0;
  const std::string status = TempFile(("zyfo_unix_" + std::to_string(::GetCurrentProcessId()) + "_" +
                                       std::to_string(::InterlockedIncrement(&counter)) + ".status")
                                          .c_str());
  ::DeleteFileA(status.c_str());
  const std::string unixStatus = UnixPath(status);
  // Written under another name and renamed: the file appears complete or not at all.
  // The command line becomes argv by the Windows rules: only quotes need escaping.
  std::string quoted;
  for (char c : "(" + shellCommand + "); echo $? > '" + unixStatus + ".tmp'; mv '" + unixStatus + ".tmp' '" +
                    unixStatus + "'")
    quoted += c == '"' ? std::string("\\\"") : std::string(1, c);
  PROCESS_INFORMATION process{};
  if (!StartCommand("/bin/sh -c \"" + quoted + "\"", std::string(), &process)) return false;
  if (process.hThread) ::CloseHandle(process.hThread);
  if (process.hProcess) ::CloseHandle(process.hProcess);
  if (!PumpUntil([&] { return ::GetFileAttributesA(status.c_str()) != INVALID_FILE_ATTRIBUTES; }, timeoutMs))
    return false;
  int code = -1;
  std::ifstream(status) >> code;
  ::DeleteFileA(status.c_str());
  return code == 0;
}

bool Xdotool(const std::string& arguments) { return RunUnix("/usr/bin/xdotool " + arguments); }

}  // namespace testsupport
