// The one fixture of the end-to-end scenarios: each test starts the real
// program a few times and checks many facts in order. It owns the profile
// (cleared before every test), the program, an observer of synthesised input
// and a full-screen window that physical X11 input lands on.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "settings/schema.h"
#include "tests/support/input_observer.h"
#include "tests/support/program.h"
#include "tests/support/wine_support.h"

namespace e2e {

using testsupport::ClickCentre;
using testsupport::Section;
// The button slot's value name in the buttons' section, "key0".."key5".
std::string ButtonValue(int slot);
// What the device link wrote since the test began.
std::vector<unsigned char> DeviceBytes();
// The menu a process shows, or null.
HWND VisibleMenuOf(DWORD pid);

class Scenario : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Stores (slot, function code) pairs, starts the program, then observes.
  void Start(std::initializer_list<std::pair<int, int>> buttons = {});
  // Stores a slot's function and tells the running program to reload, as an outside program would.
  void Reload(int slot, int code);
  // Waits until the observer has seen exactly `text`, and a little longer for anything extra.
  std::string Injected(const std::string& text, DWORD timeoutMs = 3000);
  // X11 input (xdotool arguments such as "click 9") from a clear observer, then Injected(text).
  std::string InjectedAfter(const std::string& input, const std::string& text, DWORD timeoutMs = 3000);
  // Waits until no synthesised input arrived for half a second.
  void WaitQuiet(DWORD timeoutMs = 20000);
  // Posts button events to the dispatch window from another thread while this one answers its hooks.
  void PostStorm(const std::vector<std::pair<UINT, LPARAM>>& events);
  void Post(UINT message, LPARAM eventCode) const;

  Program program;
  std::unique_ptr<testsupport::ScreenWindow> screen;
  std::unique_ptr<testsupport::InputObserver> observer;
};

}  // namespace e2e
