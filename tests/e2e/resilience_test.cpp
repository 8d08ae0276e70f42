// The program through sleep, lock, a dropped hook, a planted library, a start
// that cannot make its frame, and a storm of button events on a busy machine.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "makerlibs/include/maker_contract.h"
#include "tests/support/scenario.h"

using namespace testsupport;

namespace e2e {
namespace {

constexpr UINT kDown = makerlibs::WM_MOUSEBTN_DOWN, kUp = makerlibs::WM_MOUSEBTN_UP;
constexpr int kFifth = makerlibs::kSlotFifth, kFifthCode = 14, kShift = 29;
const std::string kShiftClick = "kd10:11 ku10:91";
const std::string kHome = "C:\\zyfo-resilience", kDecoys = kHome + "\\decoy";

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class Resilience : public Scenario {
 protected:
  // Under Wine: a process that ends with a low-level hook in place silences every
  // one installed before it, the program's and the observer's. A new observer
  // comes after, and so is called again.
  void DropTheHooks() {
    ASSERT_TRUE(RunWindows("rundll32.exe " + kHome + "\\probe.dll,LeaveMouseHook", 10000));
    observer.reset();  // observers record one at a time: the old one goes first
    observer = std::make_unique<InputObserver>();
  }
  std::string ClickFifth() { return InjectedAfter("click 9", kShiftClick, 1500); }
};

TEST_F(Resilience, LockSleepDroppedHooksDecoyFailedStartAndStormUnderLoad) {
  ::CreateDirectoryA(kHome.c_str(), nullptr);
  ::CreateDirectoryA(kDecoys.c_str(), nullptr);
  const std::string probe = ProgramFolder() + "\\resilience_probe.dll";
  ASSERT_TRUE(::CopyFileA(probe.c_str(), (kHome + "\\probe.dll").c_str(), FALSE));
  ASSERT_TRUE(::CopyFileA(probe.c_str(), (kDecoys + "\\Fenwix.dll").c_str(), FALSE));
  for (const char* file : {"Pelrand.exe", "Varnel.dll", "Oskem.dll", "SkinMagic.dll"})
    ASSERT_TRUE(::CopyFileA((ProgramFolder() + "\\" + file).c_str(), (kHome + "\\" + file).c_str(), FALSE));
  ::DeleteFileA((kHome + "\\Fenwix.dll").c_str());
  char path[8192] = {};
  ::GetEnvironmentVariableA("PATH", path, sizeof path);
  const std::string oldPath = path;
  ::SetEnvironmentVariableA("PATH", (kDecoys + ";" + oldPath).c_str());

  // The decoy is found along the path by a program that asks for it by name
  // (started in a folder without the real one)...
  ASSERT_TRUE(RunWindows("rundll32.exe Fenwix.dll,Record", 10000, nullptr, kHome));
  EXPECT_TRUE(Exists(kDecoys + "\\Fenwix.dll.rundll32.exe.loaded"));
  // ...but not by the program, whose own folder lacks it.
  ASSERT_TRUE(WriteUserDword(Section(settings::kSectionKey), ButtonValue(kFifth), kShift));
  Program copy(kHome + "\\Pelrand.exe");
  ASSERT_TRUE(copy.StartAndWait());
  observer = std::make_unique<InputObserver>();
  EXPECT_FALSE(Exists(kDecoys + "\\Fenwix.dll.Pelrand.exe.loaded"));
  for (const std::string& module : LoadedModules(copy.ProcessId())) EXPECT_EQ(module.find("decoy"), std::string::npos);
  ::SetEnvironmentVariableA("PATH", oldPath.c_str());

  // A lock lets go of the Shift that the fifth button holds, and so does sleep.
  Xdotool("mousedown 9");
  EXPECT_EQ(Injected("kd10:11"), "kd10:11");
  ::SendMessageA(copy.Dispatch(), WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 1);
  EXPECT_EQ(Injected(kShiftClick), kShiftClick);
  Xdotool("mouseup 9");
  ::SendMessageA(copy.Dispatch(), WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 1);
  WaitQuiet();
  observer->Clear();
  ::PostMessageA(copy.Dispatch(), kDown, 0, kFifthCode);
  EXPECT_EQ(Injected("kd10:11"), "kd10:11");
  ::SendMessageA(copy.Dispatch(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
  EXPECT_EQ(Injected(kShiftClick), kShiftClick);
  ::PostMessageA(copy.Dispatch(), kUp, 0, kFifthCode);
  WaitQuiet();

  // Hooks the system stopped calling: the first click after is lost (it reaches
  // the window as it is), the watchdog puts the hooks back within two seconds,
  // and the next click is performed once.
  EXPECT_EQ(ClickFifth(), kShiftClick) << "the hooks work before";
  DropTheHooks();
  screen->Reset();
  const DWORD dropped = ::GetTickCount();
  Xdotool("click 9");
  EXPECT_TRUE(PumpUntil([&] { return screen->Count(WM_XBUTTONUP) == 1; })) << "the click went by as it is";
  EXPECT_EQ(observer->All().size(), 2u) << "the observer sees the click itself";
  EXPECT_EQ(observer->InjectedText(), "") << "dropped, the hook performs nothing";
  PumpUntil([] { return false; }, 2000 - std::min<DWORD>(2000, ::GetTickCount() - dropped));
  EXPECT_EQ(ClickFifth(), kShiftClick) << "back within 2 s, and nothing twice";

  // Dropped again, and at once a resume: the very next click works.
  DropTheHooks();
  ::SendMessageA(copy.Dispatch(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
  EXPECT_EQ(ClickFifth(), kShiftClick) << "the resume put them back";
  EXPECT_TRUE(copy.Exit());

  // A frame that cannot be created ends the start, with an exit code that says so.
  HMODULE refuser = ::LoadLibraryA((kHome + "\\probe.dll").c_str());
  ASSERT_TRUE(refuser);
  HHOOK cbt = ::SetWindowsHookExA(
      WH_CBT, reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(::GetProcAddress(refuser, "RefuseFrame"))), refuser, 0);
  ASSERT_TRUE(cbt);
  ASSERT_TRUE(program.Start());
  EXPECT_TRUE(program.WaitForExit(10000));
  EXPECT_EQ(program.ExitCode(), 1u);
  EXPECT_TRUE(Exists(kHome + "\\probe.dll.Pelrand.exe.loaded")) << "the refusal reached the program";
  ::UnhookWindowsHookEx(cbt);

  // Two programs keep both cores busy; not one of 2,000 clicks is lost or doubled.
  const std::string pids = UnixPath(TempFile("zyfo-busy.pids"));
  ASSERT_TRUE(RunUnix("for i in 1 2; do timeout 300 sh -c 'while :; do :; done' >/dev/null 2>&1 & echo $! >> '" +
                      pids + "'; done"));
  observer.reset();
  Start({{kFifth, kShift}});
  std::vector<std::pair<UINT, LPARAM>> storm;
  std::string expected;
  for (int i = 0; i < 2000; ++i) {
    storm.push_back({kDown, kFifthCode});
    storm.push_back({kUp, kFifthCode});
    expected += (i ? " " : "") + kShiftClick;
  }
  PostStorm(storm);
  WaitQuiet(60000);
  RunUnix("kill $(cat '" + pids + "'); rm -f '" + pids + "'");
  EXPECT_EQ(observer->InjectedCount(), 4000u);
  EXPECT_TRUE(observer->InjectedText() == expected);
}

}  // namespace
}  // namespace e2e
