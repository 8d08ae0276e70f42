// The program with and without the mouse maker's libraries: shutdown removes
// the hooks, and a missing library never stops the program.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "res/identity.h"
#include "res/resource.h"
#include "settings/schema.h"
#include "tests/support/input_observer.h"
#include "tests/support/program.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

const std::string kButtons = std::string(settings::kProfileRoot) + "\\Setting For Key";
const char* const kLibraries[] = {"Varnel.dll", "Oskem.dll", "Fenwix.dll", "SkinMagic.dll"};

// A copy of the program in a folder of its own, without one library.
std::string CopyWithout(const std::string& missing) {
  const std::string folder = "C:\\zyfo-without-" + missing.substr(0, missing.find('.'));
  ::CreateDirectoryA(folder.c_str(), nullptr);
  ::CopyFileA((ProgramFolder() + "\\Pelrand.exe").c_str(), (folder + "\\Pelrand.exe").c_str(), FALSE);
  for (const char* library : kLibraries) {
    const std::string target = folder + "\\" + library;
    if (missing == library)
      ::DeleteFileA(target.c_str());
    else
      ::CopyFileA((ProgramFolder() + "\\" + library).c_str(), target.c_str(), FALSE);
  }
  return folder + "\\Pelrand.exe";
}

class Libraries : public testing::Test {
 protected:
  static void SetUpTestSuite() { s_screen = new ScreenWindow(); }
  static void TearDownTestSuite() {
    delete s_screen;
    s_screen = nullptr;
  }
  void SetUp() override {
    e2e::EndAllInstances();
    DeleteProgramSettings();
    ASSERT_TRUE(WriteUserDword(kButtons, "key4", 9));  // fifth button: Kopieren (Strg+C)
    ::SetForegroundWindow(s_screen->hwnd());
    Xdotool("mousemove 512 384");
    s_screen->Reset();
  }
  void TearDown() override { ScreenshotOnFailure("libraries"); }

  // Clicks the physical fifth button and says what happened to it.
  std::string ClickFifth(InputObserver& observer) {
    observer.Clear();
    Xdotool("click 9");
    PumpUntil([&] { return observer.InjectedText().size() >= 31 || s_screen->Count(WM_XBUTTONUP) > 0; }, 1500);
    PumpFor(150);
    return observer.InjectedText();
  }

  static ScreenWindow* s_screen;
};
ScreenWindow* Libraries::s_screen = nullptr;

TEST_F(Libraries, ExitRemovesTheHooksAndANewInstanceStartsCleanly) {
  {
    e2e::Program program;
    ASSERT_TRUE(program.StartAndWait());
    InputObserver observer;
    EXPECT_EQ(ClickFifth(observer), "kd11:11 kd43:11 ku11:91 ku43:91");
    EXPECT_EQ(s_screen->Count(WM_XBUTTONDOWN), 0);
    ASSERT_TRUE(program.Exit());
  }
  // Nobody takes the button any more: it reaches the window as it is.
  {
    InputObserver observer;
    EXPECT_EQ(ClickFifth(observer), "");
    EXPECT_EQ(s_screen->Count(WM_XBUTTONDOWN), 1);
    EXPECT_EQ(s_screen->Count(WM_XBUTTONUP), 1);
    bool physicalSeen = false;
    for (const ObservedInput& input : observer.All())
      physicalSeen |= !input.keyboard && input.message == WM_XBUTTONDOWN && !(input.flags & LLMHF_INJECTED);
    EXPECT_TRUE(physicalSeen) << "a test hook still sees physical input";
  }
  s_screen->Reset();
  e2e::Program again;
  ASSERT_TRUE(again.StartAndWait());
  InputObserver observer;
  EXPECT_EQ(ClickFifth(observer), "kd11:11 kd43:11 ku11:91 ku43:91");
}

class MissingLibrary : public Libraries, public testing::WithParamInterface<const char*> {};

TEST_P(MissingLibrary, ProgramStillStartsWithTrayFrameAndSheet) {
  const std::string missing = GetParam();
  e2e::Program program(CopyWithout(missing));
  ASSERT_TRUE(program.StartAndWait()) << "without " << missing;
  EXPECT_TRUE(::IsWindow(program.Frame()));
  EXPECT_TRUE(::IsWindow(program.Dispatch()));
  EXPECT_TRUE(PumpUntil([] { return TrayIcons().size() == 1; })) << "the tray icon is there";

  InputObserver observer;
  std::string seen = ClickFifth(observer);
  if (missing == "Varnel.dll") {
    // Without the mouse hook no button is managed: the click goes through as it is.
    EXPECT_EQ(seen, "");
    EXPECT_EQ(s_screen->Count(WM_XBUTTONDOWN), 1);
  } else {
    EXPECT_EQ(seen, "kd11:11 kd43:11 ku11:91 ku43:91");
  }

  ::PostMessageA(program.Frame(), WM_COMMAND, ID_CONFIGURATION, 0);
  EXPECT_TRUE(PumpUntil([] { return ::FindWindowA(nullptr, res::kSheetCaption) != nullptr; }));
  EXPECT_TRUE(program.Exit()) << "exit closes the sheet and the program";
}

INSTANTIATE_TEST_SUITE_P(EachLibrary, MissingLibrary,
                         testing::Values("Varnel.dll", "Oskem.dll", "Fenwix.dll", "SkinMagic.dll"),
                         [](const testing::TestParamInfo<const char*>& library) {
                           std::string name = library.param;
                           return name.substr(0, name.find('.'));
                         });

}  // namespace
