// The real program under abuse: reloads mid-press, shared keys, exit with a
// backlog, messages from other programs, bad stored values, storms.
#include <gtest/gtest.h>
#include <windows.h>

#include <tlhelp32.h>

#include <atomic>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "makerlibs/include/maker_contract.h"
#include "res/identity.h"
#include "res/resource.h"
#include "settings/schema.h"
#include "tests/support/input_observer.h"
#include "tests/support/program.h"
#include "tests/support/sheet_driver.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kRoot = settings::kProfileRoot;
const std::string kButtons = kRoot + "\\Setting For Key";
constexpr UINT kDown = makerlibs::WM_MOUSEBTN_DOWN, kUp = makerlibs::WM_MOUSEBTN_UP;

std::set<DWORD> ProcessIds() {
  std::set<DWORD> ids;
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry))
    ids.insert(entry.th32ProcessID);
  ::CloseHandle(snapshot);
  return ids;
}

class Reliability : public testing::Test {
 protected:
  void SetUp() override {
    e2e::EndAllInstances();
    DeleteProgramSettings();
    Xdotool("mousemove 512 384");
  }
  void TearDown() override { ScreenshotOnFailure("reliability"); }

  void Start(std::initializer_list<std::pair<int, int>> buttons) {
    for (const auto& b : buttons) ASSERT_TRUE(WriteUserDword(kButtons, "key" + std::to_string(b.first), b.second));
    ASSERT_TRUE(program.StartAndWait());
    observer = std::make_unique<InputObserver>();
  }
  void Post(UINT message, LPARAM eventCode) { ::PostMessageA(program.Dispatch(), message, 0, eventCode); }
  // Posts many button events from another thread while this one keeps
  // answering its low-level hooks (a hook that does not answer in time is
  // skipped by the system, and the observer would miss events).
  void PostStorm(const std::vector<std::pair<UINT, LPARAM>>& events) {
    const HWND dispatch = program.Dispatch();
    std::atomic<bool> done{false};
    std::thread poster([&] {
      for (const auto& e : events) ::PostMessageA(dispatch, e.first, 0, e.second);
      done = true;
    });
    PumpUntil([&] { return done.load(); }, 60000);
    poster.join();
  }
  // Waits until the observer saw `text`, then a little more for anything extra.
  std::string Injected(const std::string& text, DWORD timeoutMs = 3000) {
    PumpUntil([&] { return observer->InjectedText() == text; }, timeoutMs);
    PumpFor(150);
    return observer->InjectedText();
  }
  // Waits until no injected event has arrived for half a second.
  void WaitQuiet(DWORD timeoutMs = 20000) {
    std::size_t seen = observer->InjectedCount();
    DWORD quietSince = ::GetTickCount(), start = quietSince;
    while (::GetTickCount() - quietSince < 500 && ::GetTickCount() - start < timeoutMs) {
      PumpFor(50);
      if (observer->InjectedCount() != seen) {
        seen = observer->InjectedCount();
        quietSince = ::GetTickCount();
      }
    }
  }
  // A button function still works: the 5th on Ctrl+C, through a physical click.
  bool CopyStillWorks() {
    observer->Clear();
    Xdotool("click 9");
    return PumpUntil([&] { return observer->InjectedText() == "kd11:11 kd43:11 ku11:91 ku43:91"; }, 3000);
  }

  ScreenWindow screen;
  e2e::Program program;
  std::unique_ptr<InputObserver> observer;
};

TEST_F(Reliability, AReleaseUndoesItsOwnPressAndASharedKeyStaysDownWhileHeld) {
  Start({{3, 10}, {4, 10}});  // 4th and 5th both hold Ctrl
  Xdotool("mousedown 8");
  EXPECT_EQ(Injected("kd11:11"), "kd11:11");
  // The table is reloaded while the button is down: its release still lets go of Ctrl.
  ASSERT_TRUE(WriteUserDword(kButtons, "key3", 9));
  ::SendMessageA(program.Frame(), res::WM_RELOAD_BUTTONS, 0, 0);
  Xdotool("mousedown 9");
  PumpFor(300);
  EXPECT_EQ(observer->InjectedText(), "kd11:11") << "the second holder sends no second down";
  Xdotool("mouseup 8");
  PumpFor(300);
  EXPECT_EQ(observer->InjectedText(), "kd11:11") << "still held by the 5th, and no Ctrl+C from the reloaded table";
  Xdotool("mouseup 9");
  EXPECT_EQ(Injected("kd11:11 ku11:91"), "kd11:11 ku11:91");
}

TEST_F(Reliability, StrayEventsFromOutsideAndTheirStormsLeaveNothingDown) {
  Start({{4, 9}});
  // 2,000 random presses and releases of the left and right buttons, posted
  // without their pairs, then one release each.
  std::mt19937 random(7);
  std::vector<std::pair<UINT, LPARAM>> strays;
  for (int i = 0; i < 2000; ++i) strays.push_back({random() % 2 ? kDown : kUp, random() % 2 ? 32 : 16});
  strays.push_back({kUp, 32});
  strays.push_back({kUp, 16});
  PostStorm(strays);
  WaitQuiet();
  EXPECT_GT(observer->InjectedCount(), 100u) << "the events were performed";
  EXPECT_EQ(observer->Unreleased(), "");

  // 2,000 clicks of a shortcut button: every down has its up.
  observer->Clear();
  std::vector<std::pair<UINT, LPARAM>> clicks;
  for (int i = 0; i < 2000; ++i) {
    clicks.push_back({kDown, 14});
    clicks.push_back({kUp, 14});
  }
  PostStorm(clicks);
  EXPECT_TRUE(PumpUntil([&] { return observer->InjectedCount() >= 8000; }, 60000)) << observer->InjectedCount();
  EXPECT_EQ(observer->InjectedCount(), 8000u);
  EXPECT_EQ(observer->Unreleased(), "");
}

TEST_F(Reliability, OtherProgramsCannotSwitchTheButtonsOffNorHoldTheSheetOpen) {
  Start({{4, 9}});
  const HWND dispatch = program.Dispatch();
  ::PostMessageA(dispatch, res::WM_DISPATCH_SHUTDOWN, 0, 0);
  ::SendMessageA(dispatch, res::WM_DISPATCH_SHUTDOWN, 0, 0);
  PumpFor(300);
  EXPECT_EQ(program.Dispatch(), dispatch);
  EXPECT_TRUE(CopyStillWorks());

  // OK clicked by an automation tool (a sent BM_CLICK) closes the sheet at once.
  e2e::SheetDriver driver(program);
  ASSERT_TRUE(driver.Open());
  const DWORD start = ::GetTickCount();
  ::SendMessageA(driver.Button(e2e::kOkButton), BM_CLICK, 0, 0);
  EXPECT_TRUE(driver.WaitClosed(3000));
  EXPECT_LT(::GetTickCount() - start, 1500u);
}

TEST_F(Reliability, ExitWithABacklogPerformsNoMoreAndLeavesNothingDown) {
  Start({{3, 10}, {4, 9}});
  // How long an exit takes here without a backlog (the tray icon alone costs Wine a while).
  DWORD start = ::GetTickCount();
  ASSERT_TRUE(program.Exit());
  const DWORD plainExit = ::GetTickCount() - start;
  ASSERT_TRUE(program.StartAndWait());
  PumpFor(300);
  observer->Clear();

  Xdotool("mousedown 8");  // Ctrl held through exit
  EXPECT_EQ(Injected("kd11:11"), "kd11:11");
  std::vector<std::pair<UINT, LPARAM>> backlog;
  for (int i = 0; i < 3000; ++i) {
    backlog.push_back({kDown, 14});
    backlog.push_back({kUp, 14});
  }
  PostStorm(backlog);
  start = ::GetTickCount();
  ::PostMessageA(program.Frame(), WM_COMMAND, ID_APP_EXIT, 0);
  EXPECT_TRUE(program.WaitForExit(10000));
  const DWORD took = ::GetTickCount() - start;
  PumpFor(300);
  EXPECT_EQ(observer->Unreleased(), "") << observer->InjectedCount() << " events";
  EXPECT_LT(took, plainExit + 1500) << "exit waited for the backlog (a plain exit took " << plainExit << " ms)";
  Xdotool("mouseup 8");
}

TEST_F(Reliability, TenThousandRandomMessagesLeaveTheProgramAnsweringAndNothingStartedOrHeld) {
  Start({{4, 9}});
  const std::set<DWORD> before = ProcessIds();
  std::mt19937 random(1207);
  const UINT known[] = {ID_OPEN_MOUSE_PANEL, ID_CONFIGURATION, ID_APP_EXIT};
  for (int i = 0; i < 10000; ++i) {
    const HWND target = random() % 2 ? program.Frame() : program.Dispatch();
    UINT message = WM_USER + random() % 301;
    WPARAM wp = random();
    LPARAM lp = static_cast<LPARAM>(static_cast<int>(random()));
    if (random() % 8 == 0) {
      // Commands, but not the three the frame knows: they do what they are for.
      message = WM_COMMAND;
      wp = random() % 65536;
      while (wp == known[0] || wp == known[1] || wp == known[2]) wp = random() % 65536;
    } else if (random() % 4 == 0) {
      lp = std::array<LPARAM, 10>{32, 8, 16, 12, 14, 13, 36, 40, 44, 48}[random() % 10];  // real event codes
    }
    if (message == res::WM_TRAYNOTIFY) lp = WM_MOUSEMOVE;  // a click there opens the menu or the sheet
    ::PostMessageA(target, message, wp, lp);
    if (i % 500 == 0) PumpFor(20);
  }
  DWORD_PTR result = 0;
  EXPECT_TRUE(::SendMessageTimeoutA(program.Frame(), WM_NULL, 0, 0, SMTO_BLOCK, 10000, &result));
  EXPECT_TRUE(::SendMessageTimeoutA(program.Dispatch(), WM_NULL, 0, 0, SMTO_BLOCK, 10000, &result));
  for (LPARAM code : {32, 8, 16, 12, 14, 13}) Post(kUp, code);
  PumpFor(500);
  EXPECT_EQ(observer->Unreleased(), "");
  // Stored values may have been reloaded from a table nobody changed: the 5th copies still.
  EXPECT_TRUE(CopyStillWorks());
  std::set<DWORD> started;
  for (DWORD id : ProcessIds())
    if (!before.count(id)) started.insert(id);
  EXPECT_TRUE(started.empty()) << started.size() << " new processes";
  EXPECT_EQ(::FindWindowA(nullptr, res::kSheetCaption), nullptr);
}

// ---- bad stored values

struct RawValue {
  DWORD type;
  std::string data;
  bool operator==(const RawValue& o) const { return type == o.type && data == o.data; }
};
using Section = std::map<std::string, RawValue>;

Section ReadSection(const std::string& key) {
  Section section;
  HKEY hkey = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hkey) != ERROR_SUCCESS) return section;
  for (DWORD i = 0;; ++i) {
    char name[256];
    DWORD nameSize = sizeof name, type = 0, dataSize = 0;
    if (::RegEnumValueA(hkey, i, name, &nameSize, nullptr, &type, nullptr, &dataSize) != ERROR_SUCCESS) break;
    std::string data(dataSize, '\0');
    nameSize = sizeof name;
    ::RegEnumValueA(hkey, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &dataSize);
    section[name] = RawValue{type, data.substr(0, dataSize)};
  }
  ::RegCloseKey(hkey);
  return section;
}

void WriteRaw(const std::string& key, const std::string& name, const RawValue& value) {
  CreateUserKey(key);
  ::RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), value.type, value.data.data(),
                    static_cast<DWORD>(value.data.size()));
}

RawValue Dword(DWORD v) { return {REG_DWORD, std::string(reinterpret_cast<const char*>(&v), 4)}; }

std::vector<RawValue> BadValues() {
  const unsigned long long big = 0x1122334455667788ULL;
  return {
      {REG_SZ, std::string("9\0", 2)},
      {REG_BINARY, std::string("\x07", 1)},
      {REG_BINARY, std::string("\x07\x00", 2)},
      {REG_BINARY, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8)},
      {REG_QWORD, std::string(reinterpret_cast<const char*>(&big), 8)},
      {REG_MULTI_SZ, std::string("a\0b\0\0", 5)},
      Dword(static_cast<DWORD>(-5)),
      Dword(0x7fffffff),
      Dword(0xffffffff),
      Dword(51),
      Dword(60),
      Dword(static_cast<DWORD>(-1)),
  };
}

std::string Text(std::size_t length) {
  std::string text;
  const char pattern[] = "C:\\Pro \"gram\" %PATH% 100%\\";
  while (text.size() < length) text += pattern[text.size() % (sizeof pattern - 1)];
  return text;
}

struct SectionValues {
  std::string key;
  std::vector<std::string> names;
};

std::vector<SectionValues> DwordSections() {
  std::vector<SectionValues> sections = {{kRoot + "\\Setting For Key", {}},
                                         {kRoot + "\\Setting For KeyCombination", {}},
                                         {kRoot + "\\Setting For MouseXY", {"key0", "key1"}},
                                         {kRoot + "\\Setting For Wheel", {"WheelType"}},
                                         {kRoot + "\\Setting For Dpi", {"MouseDpi"}},
                                         {kRoot + "\\MenuPos", {"x", "y"}}};
  for (int i = 0; i < 6; ++i) sections[0].names.push_back("key" + std::to_string(i));
  for (int i = 0; i < 30; ++i) sections[1].names.push_back("keyCombination" + std::to_string(i));
  return sections;
}

TEST_F(Reliability, BadStoredValuesOfEveryKindAreSurvivedAndOnlyTheEditedSectionChanges) {
  const std::vector<RawValue> bad = BadValues();
  const std::string shortcuts = kRoot + "\\Setting For ShortcutKey";
  const std::size_t lengths[] = {0, 1, 79, 80, 255, 256, 4000, 40000};
  // Three starts; in each, the values of a section take four kinds of bad value in turn.
  for (std::size_t run = 0; run < bad.size() / 4; ++run) {
    SCOPED_TRACE("run " + std::to_string(run));
    e2e::EndAllInstances();
    DeleteProgramSettings();
    std::size_t n = 0;
    for (const SectionValues& section : DwordSections())
      for (const std::string& name : section.names) WriteRaw(section.key, name, bad[4 * run + (n++ % 4)]);
    for (int slot = 1; slot <= 18; ++slot)
      WriteRaw(shortcuts, "ShortcutKey #" + std::to_string(slot),
               slot % 3 ? RawValue{REG_SZ, Text(lengths[(slot + run) % 8]) + std::string(1, '\0')}
                        : bad[(slot + run) % bad.size()]);
    std::map<std::string, Section> before;
    for (const SectionValues& section : DwordSections()) before[section.key] = ReadSection(section.key);
    before[shortcuts] = ReadSection(shortcuts);

    e2e::Program survivor;
    ASSERT_TRUE(survivor.StartAndWait());
    InputObserver watch;
    Xdotool("click 8 click 9");
    PumpFor(300);
    e2e::SheetDriver driver(survivor);
    ASSERT_TRUE(driver.Open());
    for (int tab = 0; tab < 7; ++tab) driver.ShowTab(tab);
    driver.Click(driver.Button(e2e::kCancelButton));
    ASSERT_TRUE(driver.WaitClosed());
    // Only the Buttons page is shown and applied: it stores its section, nothing else.
    ASSERT_TRUE(driver.Open());
    driver.Click(driver.Button(e2e::kOkButton));
    ASSERT_TRUE(driver.WaitClosed());
    ASSERT_TRUE(survivor.Exit());
    EXPECT_EQ(survivor.ExitCode(), 0u);
    PumpFor(200);
    EXPECT_EQ(watch.Unreleased(), "");
    for (const auto& [key, values] : before) {
      if (key == kButtons) continue;
      EXPECT_TRUE(ReadSection(key) == values) << key << " changed";
    }
    for (int slot = 0; slot < 6; ++slot) {
      DWORD value = 0;
      EXPECT_TRUE(ReadUserDword(kButtons, "key" + std::to_string(slot), &value)) << "the edited section is whole";
    }
  }
}

}  // namespace
