#include "tests/support/scenario.h"

#include "res/identity.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <thread>

using namespace testsupport;

namespace e2e {

std::string ButtonValue(int slot) { return settings::KeyValueName(slot); }

std::vector<unsigned char> DeviceBytes() {
  std::ifstream in(DeviceFile(), std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

HWND VisibleMenuOf(DWORD pid) {
  char name[16] = {};
  for (HWND menu : TopLevelWindows(pid))
    if (::GetClassNameA(menu, name, sizeof name) && lstrcmpA(name, "#32768") == 0 && ::IsWindowVisible(menu)) return menu;
  return nullptr;
}

void Scenario::SetUp() {
  EndAllInstances();
  DeleteProgramSettings();
  if (!DeviceFile().empty()) std::ofstream(DeviceFile(), std::ios::binary | std::ios::trunc);
  screen = std::make_unique<ScreenWindow>();
  Xdotool("mousemove 512 384");
}

void Scenario::TearDown() {
  ScreenshotOnFailure(testing::UnitTest::GetInstance()->current_test_info()->test_suite_name());
  observer.reset();  // a hook left behind by an ended test would silence later ones
}

void Scenario::Start(std::initializer_list<std::pair<int, int>> buttons) {
  for (const auto& b : buttons)
    ASSERT_TRUE(WriteUserDword(Section(settings::kSectionKey), ButtonValue(b.first), static_cast<DWORD>(b.second)));
  ASSERT_TRUE(program.StartAndWait());
  // The observer records through one hook pointer: the old one must be gone
  // before a new one takes it.
  observer.reset();
  observer = std::make_unique<InputObserver>();
}

void Scenario::Reload(int slot, int code) {
  ASSERT_TRUE(WriteUserDword(Section(settings::kSectionKey), ButtonValue(slot), static_cast<DWORD>(code)));
  ::SendMessageA(program.Frame(), res::WM_RELOAD_BUTTONS, 0, 0);
  observer->Clear();
}

std::string Scenario::Injected(const std::string& text, DWORD timeoutMs) {
  PumpUntil([&] { return observer->InjectedText() == text; }, timeoutMs);
  PumpFor(150);
  return observer->InjectedText();
}

std::string Scenario::InjectedAfter(const std::string& input, const std::string& text, DWORD timeoutMs) {
  observer->Clear();
  Xdotool(input);
  return Injected(text, timeoutMs);
}

void Scenario::WaitQuiet(DWORD timeoutMs) {
  std::size_t seen = observer->InjectedCount();
  const DWORD start = ::GetTickCount();
  DWORD quietSince = start;
  while (::GetTickCount() - quietSince < 500 && ::GetTickCount() - start < timeoutMs) {
    PumpFor(50);
    if (observer->InjectedCount() != seen) {
      seen = observer->InjectedCount();
      quietSince = ::GetTickCount();
    }
  }
}

void Scenario::PostStorm(const std::vector<std::pair<UINT, LPARAM>>& events) {
  const HWND dispatch = program.Dispatch();
  std::atomic<bool> done{false};
  std::thread poster([&] {
    for (const auto& e : events) ::PostMessageA(dispatch, e.first, 0, e.second);
    done = true;
  });
  PumpUntil([&] { return done.load(); }, 60000);
  poster.join();
}

void Scenario::Post(UINT message, LPARAM eventCode) const { ::PostMessageA(program.Dispatch(), message, 0, eventCode); }

}  // namespace e2e
