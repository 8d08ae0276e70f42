// The executor's system side (its rules are tested natively): synthesised
// input reaches other programs' low-level hooks, and window commands reach the
// real foreground window, whose class and state are read.
#include <gtest/gtest.h>

#include "actions/executor_win.h"
#include "tests/support/input_observer.h"
#include "tests/support/wine_support.h"

namespace {

using namespace testsupport;

struct NoHost : actions::ActionHost { void Shell(actions::ShellAction) override {} void OpenLauncher() override {} };

TEST(SystemExecutor, InputReachesTheHooksAndCommandsReachTheForegroundWindow) {
  actions::SystemInput input;
  actions::SystemForeground windows;
  NoHost host;
  actions::Executor executor{input, windows, host};
  auto click = [&](int code) {
    const actions::ButtonTable buttons{0, 1, 2, 3, code, 5};
    executor.OnButtonEvent(14, actions::Notification::Press, buttons, actions::MacroTable{});
    executor.OnButtonEvent(14, actions::Notification::Release, buttons, actions::MacroTable{});
    PumpFor(300);
  };
  InputObserver observer;
  click(9);  // Kopieren
  click(4);  // Weiter
  EXPECT_TRUE(PumpUntil([&] { return observer.InjectedCount() >= 6; }, 3000));
  EXPECT_EQ(observer.InjectedText(), "kd11:11 kd43:11 ku11:91 ku43:91 xd2 xu2");

  WNDCLASSA wc{};
  wc.lpfnWndProc = ::DefWindowProcA;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "ZyfoTarget";
  ::RegisterClassA(&wc);
  HWND target = ::CreateWindowExA(0, "ZyfoTarget", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                  nullptr, wc.hInstance, nullptr);
  ::SetForegroundWindow(target);
  PumpUntil([target] { return ::GetForegroundWindow() == target; }, 2000);
  const std::optional<actions::WindowFacts> facts = windows.Foreground();
  ASSERT_TRUE(facts.has_value());
  EXPECT_EQ(facts->handle, reinterpret_cast<std::uintptr_t>(target));
  EXPECT_EQ(facts->windowClass, "ZyfoTarget");
  EXPECT_FALSE(facts->minimised);
  click(22);  // Maximieren
  EXPECT_TRUE(::IsZoomed(target));
  click(23);  // Minimieren
  EXPECT_TRUE(::IsIconic(target));
  ::DestroyWindow(target);
}

}  // namespace
