// The executor's system side (its rules are tested natively): synthesised
// input reaches other programs' low-level hooks, and window commands reach the
// real foreground window, judged by its real class and state.
#include <gtest/gtest.h>

#include "actions/executor_win.h"
#include "tests/support/input_observer.h"
#include "tests/support/wine_support.h"

namespace {

using namespace testsupport;

struct NoHost : actions::ActionHost {
  void Shell(actions::ShellAction) override {}
  void OpenLauncher() override {}
};

HWND Foremost(const char* className) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = ::DefWindowProcA;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = className;
  ::RegisterClassA(&wc);
  HWND hwnd = ::CreateWindowExA(0, className, className, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                nullptr, wc.hInstance, nullptr);
  ::SetForegroundWindow(hwnd);
  PumpUntil([hwnd] { return ::GetForegroundWindow() == hwnd; }, 2000);
  return hwnd;
}

TEST(SystemExecutor, InputReachesTheHooksAndCommandsReachTheForegroundWindow) {
  actions::SystemInput input;
  actions::SystemForeground windows;
  NoHost host;
  actions::Executor executor{input, windows, host};
  const actions::MacroTable macros{};
  auto click = [&](int code) {
    const actions::ButtonTable buttons{0, 1, 2, 3, code, 5};
    executor.OnButtonEvent(14, actions::Notification::Press, buttons, macros);
    executor.OnButtonEvent(14, actions::Notification::Release, buttons, macros);
    PumpFor(300);
  };
  InputObserver observer;
  click(9);  // Kopieren
  click(4);  // Weiter
  EXPECT_TRUE(PumpUntil([&] { return observer.InjectedCount() >= 6; }, 3000));
  EXPECT_EQ(observer.InjectedText(), "kd11:11 kd43:11 ku11:91 ku43:91 xd2 xu2");

  HWND target = Foremost("ZyfoTarget");
  const std::optional<actions::WindowFacts> facts = windows.Foreground();
  ASSERT_TRUE(facts.has_value());
  EXPECT_EQ(facts->handle, reinterpret_cast<std::uintptr_t>(target));
  EXPECT_EQ(facts->windowClass, "ZyfoTarget");
  EXPECT_FALSE(facts->minimised);
  click(22);  // Maximieren
  EXPECT_TRUE(::IsZoomed(target));
  click(23);  // Minimieren
  EXPECT_TRUE(::IsIconic(target));
  // The same command spares a window of the taskbar's class.
  HWND taskbar = Foremost("Shell_TrayWnd");
  click(22);
  EXPECT_FALSE(::IsZoomed(taskbar));
  ::DestroyWindow(taskbar);
  ::DestroyWindow(target);
}

}  // namespace
