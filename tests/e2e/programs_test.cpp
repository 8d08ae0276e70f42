// Programs with button functions of their own, seen from outside: two probe
// programs of different file names take turns in the foreground while the
// fifth and fourth buttons are clicked for real, and the tray's tip follows.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "res/identity.h"
#include "tests/support/scenario.h"

using namespace testsupport;

namespace e2e {
namespace {

constexpr int kFifth = makerlibs::kSlotFifth, kFourth = makerlibs::kSlotFourth;
const std::string kCopy = "kd11:11 kd43:11 ku11:91 ku43:91";       // Kopieren, the main table's fifth
const std::string kSelectAll = "kd11:11 kd41:11 ku11:91 ku41:91";  // Alle auswählen
const std::string kBack = "xd1 xu1";                               // Zurück, the fourth's own function
const std::string kTip = ZYFO_TRAY_TIP;

std::string ProgramKey(const std::string& name) { return Section(settings::ProgramSection(name).c_str()); }

// A probe window program started from the build folder under its own file name.
class Probe {
 public:
  explicit Probe(const std::string& fileName) {
    if (StartCommand("\"" + ProgramFolder() + "\\" + fileName + "\"", std::string(), &m_process))
      PumpUntil([&] { return (m_window = FindWindowOf(m_process.dwProcessId)) != nullptr; });
  }
  ~Probe() {
    if (m_window) ::PostMessageA(m_window, WM_CLOSE, 0, 0);
    if (m_process.hProcess && ::WaitForSingleObject(m_process.hProcess, 5000) == WAIT_TIMEOUT)
      ::TerminateProcess(m_process.hProcess, 1);
    if (m_process.hProcess) ::CloseHandle(m_process.hProcess);
    if (m_process.hThread) ::CloseHandle(m_process.hThread);
  }
  Probe(const Probe&) = delete;
  Probe& operator=(const Probe&) = delete;

  HWND window() const { return m_window; }
  // Asks the probe to come to the front itself, and waits until it is there.
  bool ToFront() const {
    ::PostMessageA(m_window, WM_APP, 0, 0);
    return PumpUntil([&] { return ::GetForegroundWindow() == m_window; }, 3000);
  }

 private:
  static HWND FindWindowOf(DWORD pid) {
    for (HWND w = ::FindWindowA("ZyfoForegroundProbe", nullptr); w; w = ::FindWindowExA(nullptr, w, "ZyfoForegroundProbe", nullptr))
      if (ProcessOf(w) == pid) return w;
    return nullptr;
  }

  PROCESS_INFORMATION m_process{};
  HWND m_window = nullptr;
};

class Programs : public Scenario {
 protected:
  std::string Tip() {
    const auto icons = TrayIcons();
    return icons.empty() ? std::string("(no icon)") : TrayTipOf(icons.front());
  }
  // Waits until the tray tip names the program `name` ("": the plain tip).
  std::string TipFor(const std::string& name) {
    const std::string wanted = name.empty() ? kTip : kTip + " \x96 " + name;
    PumpUntil([&] { return Tip() == wanted; }, 3000);
    return Tip();
  }
};

TEST_F(Programs, TheForegroundProgramsTableActsAndTheTipNamesItAcrossSwitchesAndReloads) {
  // Alpha's fifth holds Shift while it is down; its fourth has a function
  // no mouse button has (fail open: the fourth is swallowed silently). Beta
  // has no settings.
  ASSERT_TRUE(WriteUserDword(ProgramKey("Alpha_Probe.EXE"), ButtonValue(kFifth), 29));
  ASSERT_TRUE(WriteUserDword(ProgramKey("Alpha_Probe.EXE"), ButtonValue(kFourth), 99));
  Start({{kFifth, 9}});
  EXPECT_EQ(TipFor(""), kTip) << "the test's own window is in front: the main table";
  Probe alpha("alpha_probe.exe"), beta("beta_probe.exe");
  ASSERT_TRUE(alpha.window() && beta.window());

  // In front of alpha its own functions, found whatever the case of the stored name.
  ASSERT_TRUE(alpha.ToFront());
  EXPECT_EQ(TipFor("Alpha_Probe.EXE"), kTip + " \x96 Alpha_Probe.EXE");
  EXPECT_EQ(InjectedAfter("click 9", "kd10:11 ku10:91"), "kd10:11 ku10:91");
  observer->Clear();
  Xdotool("click 8");
  Xdotool("click 9");
  EXPECT_EQ(Injected("kd10:11 ku10:91"), "kd10:11 ku10:91") << "the fourth's bad function does nothing at all";

  // In front of beta the main table: the same two buttons now do what they do there.
  ASSERT_TRUE(beta.ToFront());
  EXPECT_EQ(TipFor(""), kTip);
  EXPECT_EQ(InjectedAfter("click 9", kCopy), kCopy);
  EXPECT_EQ(InjectedAfter("click 8", kBack), kBack) << "the fourth performs where its stored function is good";

  // Pressed in front of alpha, released in front of beta: alpha's release.
  ASSERT_TRUE(alpha.ToFront());
  EXPECT_EQ(TipFor("Alpha_Probe.EXE"), kTip + " \x96 Alpha_Probe.EXE");
  observer->Clear();
  Xdotool("mousedown 9");
  EXPECT_EQ(Injected("kd10:11"), "kd10:11");
  ASSERT_TRUE(beta.ToFront());
  EXPECT_EQ(TipFor(""), kTip);
  Xdotool("mouseup 9");
  EXPECT_EQ(Injected("kd10:11 ku10:91"), "kd10:11 ku10:91") << "no Ctrl+C from the table in force at the release";
  EXPECT_EQ(observer->Unreleased(), "");
  EXPECT_EQ(InjectedAfter("click 9", kCopy), kCopy);

  // An outside tool gives beta its own fifth (and a fourth as text, which
  // reads as the main table's) and asks for a reload: in force at once, for
  // the program in front, with its tip.
  ASSERT_TRUE(WriteUserDword(ProgramKey("beta_probe.exe"), ButtonValue(kFifth), 28));
  ASSERT_TRUE(WriteUserString(ProgramKey("beta_probe.exe"), ButtonValue(kFourth), "28"));
  ::SendMessageA(program.Frame(), res::WM_RELOAD_BUTTONS, 0, 0);
  EXPECT_EQ(TipFor("beta_probe.exe"), kTip + " \x96 beta_probe.exe");
  EXPECT_EQ(InjectedAfter("click 9", kSelectAll), kSelectAll);
  EXPECT_EQ(InjectedAfter("click 8", kBack), kBack) << "a value that is no DWORD is the main table's";

  // Back to the test's own window, a program without settings.
  ::SetForegroundWindow(screen->hwnd());
  ::NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, screen->hwnd(), OBJID_WINDOW, CHILDID_SELF);
  EXPECT_EQ(TipFor(""), kTip);
  EXPECT_EQ(InjectedAfter("click 9", kCopy), kCopy);
}

}  // namespace
}  // namespace e2e
