// The catalogue and the executor over recording fakes: each function's text and
// what it sends, the rules that keep releases with their presses and leave
// nothing down, and the event numbers the hooks and outside programs rely on.
#include "actions/executor.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <utility>

#include "actions/catalogue.h"

namespace actions {
namespace {

constexpr std::uintptr_t kWindow = 77;
constexpr Notification kPress = Notification::Press, kRelease = Notification::Release;

std::string Hex(std::uint64_t value, int width = 1) {
  char text[24];
  std::snprintf(text, sizeof text, "%0*llX", width, static_cast<unsigned long long>(value));
  return text;
}

// Everything done, in order, with the raw Win32 numbers: "K11+" key 0x11 down
// (extended key), "K11-" its up; "M2@" mouse flags 0x2 at the cursor, "M80.1"
// flags 0x80 with data 1 at 0,0; "P112:F030" posted to the foreground window.
struct Recorder : InputSink, ForegroundWindows, ActionHost {
  std::string log;
  std::optional<WindowFacts> foreground = WindowFacts{kWindow, "Notepad", false};

  void Add(const std::string& token) { log += (log.empty() ? "" : " ") + token; }
  void MouseEvent(std::uint32_t flags, std::int32_t x, std::int32_t y, std::uint32_t data) override {
    Add("M" + Hex(flags) + (x == 123 && y == 456 ? "@" : x || y ? "?" : "") + (data ? "." + Hex(data) : ""));
  }
  void KeyEvent(std::uint8_t vk, std::uint32_t flags) override {
    Add("K" + Hex(vk, 2) + (flags == 1 ? "+" : flags == 3 ? "-" : "?"));
  }
  CursorPoint CursorPos() override { return {123, 456}; }
  std::optional<WindowFacts> Foreground() override { return foreground; }
  void Post(std::uintptr_t window, std::uint32_t message, std::uint64_t wParam, std::int64_t lParam) override {
    Add(window == kWindow && lParam == 0 ? "P" + Hex(message) + ":" + Hex(wParam) : "P?");
  }
  void Shell(ShellAction action) override { Add(ToString(ShellOp{action})); }
  void OpenLauncher() override { Add("Popup"); }
  std::string Take() { return std::exchange(log, std::string()); }
};

class ExecutorTest : public testing::Test {
 protected:
  std::string Event(int eventCode, Notification n) {
    executor.OnButtonEvent(eventCode, n, buttons, macros);
    return rec.Take();
  }
  std::string Click(int eventCode) {
    executor.OnButtonEvent(eventCode, kPress, buttons, macros);
    return Event(eventCode, kRelease);
  }
  std::string ReleaseHeld() {
    executor.ReleaseHeld();
    return rec.Take();
  }

  Recorder rec;
  Executor executor{rec, rec, rec};
  ButtonTable buttons{0, 1, 2, 3, 4, 5};
  MacroTable macros{};
};

// Index = function code: the list text (UTF-8 here, Windows-1252 after the
// compiler, as the product's own texts), what the press sends, what the release.
struct Row { const char* text; const char* press; const char* release; };
const Row kFunctions[] = {
    {"Klicken", "M2@", "M4@"}, {"AutoScroll", "M20@", "M40@"}, {"Rechtsklicken", "M8@", "M10@"},
    {"Zurück", "", "M80.1 M100.1"}, {"Weiter", "", "M80.2 M100.2"}, {"Alt", "K12+", "K12-"},
    {"Rücktaste", "K08+", "K08-"}, {"KlickEinrasten", "M2@", "M4@"}, {"Schließen", "", "P10:0"},
    {"Kopieren (Strg+C)", "", "K11+ K43+ K11- K43-"}, {"Strg", "K11+", "K11-"},
    {"Ausschneiden (Strg+X)", "", "K11+ K58+ K11- K58-"}, {"Löschen", "K2E+", "K2E-"},
    {"Doppelklicken", "", "M2 M4 M2 M4"}, {"Eingabe", "K0D+", "K0D-"}, {"Esc", "K1B+", "K1B-"},
    {"Arbeitsplatz öffnen", "", "Shell(OpenDrivesFolder)"}, {"Bild runter", "K22+", "K22-"},
    {"Bild hoch", "K21+", "K21-"}, {"Favoritenordner", "", "P111:A232"},
    {"Nach Computer suchen", "", "Shell(FindComputer)"}, {"Nach Dateien oder Ordnern suchen", "", "Shell(FindFiles)"},
    {"Maximieren", "", "P112:F030"}, {"Minimieren", "", "P112:F020"}, {"Einfügen (Strg+V)", "", "K11+ K56+ K11- K56-"},
    {"Fenster zurückholen (Alt+Tab)", "", "K12+ K09+ K12- K09-"},
    {"Wiederherstellen (Strg+Y)", "", "K11+ K59+ K11- K59-"}, {"Ausführen...", "", "Shell(FileRun)"},
    {"Alle auswählen (Strg+A)", "", "K11+ K41+ K11- K41-"}, {"Umschalttaste", "K10+", "K10-"},
    {"Leertaste", "K20+", "K20-"}, {"Startmenü ", "K5B+", "K5B-"}, {"Tab", "K09+", "K09-"},
    {"Rückgängig (Strg+Z)", "", "K11+ K5A+ K11- K5A-"}, {"Alle minimieren/Rückgängig", "", "Shell(ShowDesktop)"},
    {"F1 (Hilfe)", "K70+", "K70-"}, {"F2", "K71+", "K71-"}, {"F3", "K72+", "K72-"}, {"F4", "K73+", "K73-"},
    {"F5 (Aktualisieren)", "K74+", "K74-"}, {"F6", "K75+", "K75-"}, {"F7", "K76+", "K76-"}, {"F8", "K77+", "K77-"},
    {"F9", "K78+", "K78-"}, {"F10", "K79+", "K79-"}, {"F11", "K7A+", "K7A-"}, {"F12", "K7B+", "K7B-"},
    {"Hot-Button-Menü ", "Popup", "Popup"},
    // The macros of the test's table below: empty entries go out as key 0; what
    // no entry releases is released at the end; only the low byte is the key.
    {"Tastenmakro 1", "", "K31+ K00+ K00+ K00+ K00+ K31- K00- K00- K00- K00-"},
    {"Tastenmakro 2", "", "K11+ K43+ K11+ K00+ K00+ K43- K00- K00- K00- K00- K11-"},
    {"Tastenmakro 3", "", "K41+ K00+ K00+ K00+ K00+ K41- K00- K00- K00- K00-"},
};

static_assert(std::size(kFunctions) == kFunctionCount, "one row per function code");

TEST_F(ExecutorTest, EveryFunctionDoesWhatItsTextSaysAndLeavesNothingDown) {
  macros[0] = macros[5] = 0x31;
  // As an outside tool may write it: Ctrl pressed twice and never released.
  macros[10] = 0x111, macros[11] = 0x43, macros[12] = 0x11, macros[15] = 0x43;
  macros[20] = 0x7F41, macros[25] = 0x141;
  const int eventCodes[] = {32, 8, 16, 12, 14, 13};
  for (int code = 0; code < kFunctionCount; ++code) {
    const Row& row = kFunctions[code];
    SCOPED_TRACE(row.text);
    EXPECT_STREQ(ListText(code), row.text);
    EXPECT_STREQ(ListText(code, true), code == 47 ? "Hot-Button-Menu" : row.text);
    const int slot = code % 6;  // every slot by its own event code; the others keep their own numbers
    buttons = {0, 1, 2, 3, 4, 5};
    buttons[static_cast<std::size_t>(slot)] = code;
    const std::string press = Event(eventCodes[slot], kPress);
    EXPECT_EQ(press, row.press);
    EXPECT_EQ(Event(eventCodes[slot], kRelease), row.release);
    EXPECT_EQ(ReleaseHeld(), "");
    EXPECT_EQ(KindOf(code), press.empty() ? FunctionKind::OneShot
                            : press == "Popup" ? FunctionKind::Popup : FunctionKind::Held);
    // The hook lets a button through exactly when its function is the button's own press.
    const char* ownPress[] = {"M2@", "M20@", "M8@"};
    for (int own = 0; own < 3; ++own) EXPECT_EQ(makerlibs::IsNativeFunction(own, code), press == ownPress[own]);
  }
  buttons.fill(10);
  for (int eventCode : {36, 40, 44, 48, 0, 33}) EXPECT_EQ(Click(eventCode), "") << "no slot: " << eventCode;
  for (int code : {-1, 51, 1000}) {
    EXPECT_TRUE(!ListText(code) && !ListText(code, true)) << code;
    buttons[4] = code;
    EXPECT_EQ(Click(14), "") << code;
  }
}

// The compiler's charset: one byte per umlaut, as the lists of the pages need them.
TEST(Catalogue, TextsAreWindows1252BytesAndTheFactoryDefaultSwapsBackAndForwardAndAddsTheLauncher) {
  EXPECT_STREQ(ListText(3), "\x5a\x75\x72\xfc\x63\x6b");
  const int factory[] = {-1, 0, 1, 2, 4, 3, 47, -1};
  for (int slot = -1; slot <= 6; ++slot) EXPECT_EQ(FactoryDefault(slot), factory[slot + 1]) << slot;
}

TEST_F(ExecutorTest, AReleaseUndoesItsOwnPressStrayEventsDoNothingAndHeldInputsAreShared) {
  buttons[4] = 10;  // Strg
  EXPECT_EQ(Event(14, kRelease), "") << "a release without its press";
  EXPECT_EQ(Event(14, kPress), "K11+");
  EXPECT_EQ(Event(14, kPress), "") << "pressed again without a release";
  buttons[4] = 9;  // reloaded meanwhile: Kopieren
  EXPECT_EQ(Event(14, kRelease), "K11-");
  EXPECT_EQ(Event(14, kRelease), "");
  EXPECT_EQ(Click(14), "K11+ K43+ K11- K43-") << "the next press reads the table afresh";
  buttons = {0, 10, 2, 10, 9, 5};  // wheel button and 4th hold Ctrl, 5th copies
  EXPECT_EQ(Event(8, kPress), "K11+");
  EXPECT_EQ(Event(12, kPress), "");
  EXPECT_EQ(Event(8, kRelease), "") << "still held by the 4th";
  EXPECT_EQ(Click(14), "K43+ K43-") << "a shortcut leaves the held Ctrl alone";
  EXPECT_EQ(Event(12, kRelease), "K11-");
}

TEST_F(ExecutorTest, ReleaseHeldLetsGoOfWhatIsDownOnce) {
  buttons = {0, 29, 2, 1, 4, 5};  // left, Shift, right and middle held
  for (int eventCode : {32, 8, 16, 12}) Event(eventCode, kPress);
  EXPECT_EQ(Click(14), "M80.2 M100.2");
  EXPECT_EQ(ReleaseHeld(), "K10- M4@ M10@ M40@");
  EXPECT_EQ(ReleaseHeld(), "");
  for (int eventCode : {32, 8, 16, 12}) EXPECT_EQ(Event(eventCode, kRelease), "") << "already let go";
  // An action cut short at exit: a key went down, its up never came.
  HeldInputs held;
  EXPECT_TRUE(held.Admit(KeyOp{0x43, kKeyDownFlags}, false));
  EXPECT_EQ(held.ReleaseAll(), (std::vector<Op>{KeyOp{0x43, kKeyUpFlags}}));
  EXPECT_TRUE(held.Empty());
}

TEST_F(ExecutorTest, WindowCommandsFollowTheForegroundRules) {
  // Class null: no window. A plain window in front is the functions' table above.
  struct Case { int code; const char* windowClass; bool minimised; const char* posted; };
  const Case cases[] = {
      {22, "Notepad", true, "P112:F030"}, {22, "Shell_TrayWnd", false, ""}, {22, "shell_traywnd", false, "P112:F030"},
      {22, "SysTabControl32", false, "P112:F030"}, {23, "Notepad", true, ""}, {23, "Shell_TrayWnd", false, ""},
      {23, "SysTabControl32", false, ""}, {23, "SysTabControl32x", false, "P112:F020"}, {8, nullptr, false, ""},
      {8, "Shell_TrayWnd", true, "P10:0"}, {19, "SysTabControl32", true, "P111:A232"},
  };
  for (const Case& c : cases) {
    buttons[4] = c.code;
    rec.foreground = std::nullopt;
    if (c.windowClass) rec.foreground = WindowFacts{kWindow, c.windowClass, c.minimised};
    EXPECT_EQ(Click(14), c.posted) << c.code << " " << (c.windowClass ? c.windowClass : "no window");
  }
}

}  // namespace
}  // namespace actions
