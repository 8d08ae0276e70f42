#include "actions/catalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "makerlibs/include/maker_contract.h"

namespace {

using actions::Behaviour;
using actions::FunctionKind;

constexpr FunctionKind H = FunctionKind::Held;
constexpr FunctionKind O = FunctionKind::OneShot;
constexpr FunctionKind P = FunctionKind::Popup;

struct FunctionRow {
  int code;
  const char* text;
  FunctionKind kind;
};

// Every list entry as the user sees it (UTF-8 here, turned into Windows-1252 by
// the compiler exactly like the product's own texts).
const FunctionRow kFunctions[] = {
    {0, "Klicken", H},
    {1, "AutoScroll", H},
    {2, "Rechtsklicken", H},
    {3, "Zurück", O},
    {4, "Weiter", O},
    {5, "Alt", H},
    {6, "Rücktaste", H},
    {7, "KlickEinrasten", H},
    {8, "Schließen", O},
    {9, "Kopieren (Strg+C)", O},
    {10, "Strg", H},
    {11, "Ausschneiden (Strg+X)", O},
    {12, "Löschen", H},
    {13, "Doppelklicken", O},
    {14, "Eingabe", H},
    {15, "Esc", H},
    {16, "Arbeitsplatz öffnen", O},
    {17, "Bild runter", H},
    {18, "Bild hoch", H},
    {19, "Favoritenordner", O},
    {20, "Nach Computer suchen", O},
    {21, "Nach Dateien oder Ordnern suchen", O},
    {22, "Maximieren", O},
    {23, "Minimieren", O},
    {24, "Einfügen (Strg+V)", O},
    {25, "Fenster zurückholen (Alt+Tab)", O},
    {26, "Wiederherstellen (Strg+Y)", O},
    {27, "Ausführen...", O},
    {28, "Alle auswählen (Strg+A)", O},
    {29, "Umschalttaste", H},
    {30, "Leertaste", H},
    {31, "Startmenü ", H},
    {32, "Tab", H},
    {33, "Rückgängig (Strg+Z)", O},
    {34, "Alle minimieren/Rückgängig", O},
    {35, "F1 (Hilfe)", H},
    {36, "F2", H},
    {37, "F3", H},
    {38, "F4", H},
    {39, "F5 (Aktualisieren)", H},
    {40, "F6", H},
    {41, "F7", H},
    {42, "F8", H},
    {43, "F9", H},
    {44, "F10", H},
    {45, "F11", H},
    {46, "F12", H},
    {47, "Hot-Button-Menü ", P},
    {48, "Tastenmakro 1", O},
    {49, "Tastenmakro 2", O},
    {50, "Tastenmakro 3", O},
};

TEST(Catalogue, EveryFunctionHasItsListTextAndKind) {
  ASSERT_EQ(sizeof(kFunctions) / sizeof(kFunctions[0]), 51u);
  EXPECT_EQ(actions::kFunctionCount, 51);
  for (const FunctionRow& row : kFunctions) {
    SCOPED_TRACE(row.code);
    ASSERT_TRUE(actions::IsValidCode(row.code));
    ASSERT_NE(actions::ListText(row.code), nullptr);
    EXPECT_STREQ(actions::ListText(row.code), row.text);
    EXPECT_EQ(actions::KindOf(row.code), row.kind);
    if (row.code != 47) {
      EXPECT_STREQ(actions::ListText(row.code, true), row.text);
    }
  }
}

TEST(Catalogue, CodesOutsideTheTableAreNoFunction) {
  for (int code : {-1, -2, 51, 60, 1000}) {
    SCOPED_TRACE(code);
    EXPECT_FALSE(actions::IsValidCode(code));
    EXPECT_EQ(actions::ListText(code), nullptr);
    EXPECT_EQ(actions::ListText(code, true), nullptr);
  }
}

TEST(Catalogue, TextsAreWindows1252Bytes) {
  EXPECT_STREQ(actions::ListText(3), "\x5a\x75\x72\xfc\x63\x6b");          // Zurück
  EXPECT_STREQ(actions::ListText(6), "R\xfc" "cktaste");                   // Rücktaste
  EXPECT_STREQ(actions::ListText(8), "Schlie\xdf" "en");                   // Schließen
  EXPECT_STREQ(actions::ListText(12), "L\xf6" "schen");                    // Löschen
  EXPECT_STREQ(actions::ListText(16), "Arbeitsplatz \xf6" "ffnen");
  EXPECT_STREQ(actions::ListText(28), "Alle ausw\xe4hlen (Strg+A)");
  EXPECT_STREQ(actions::ListText(33), "R\xfc" "ckg\xe4ngig (Strg+Z)");
  EXPECT_EQ(std::strlen(actions::ListText(3)), 6u);  // one byte per umlaut
}

TEST(Catalogue, StartMenuAndLauncherTextsEndInABlank) {
  EXPECT_EQ(std::string(actions::ListText(31)), std::string("Startmen\xfc\x20"));
  EXPECT_EQ(std::string(actions::ListText(47)), std::string("Hot-Button-Men\xfc\x20"));
  EXPECT_EQ(std::strlen(actions::ListText(31)), 10u);
  EXPECT_EQ(std::strlen(actions::ListText(47)), 16u);
}

TEST(Catalogue, SixthListSpellsLauncherEntryWithPlainUAndNoBlank) {
  EXPECT_EQ(std::string(actions::ListText(47, true)), std::string("Hot-Button-Menu"));
  EXPECT_STREQ(actions::ListText(47, false), "Hot-Button-Men\xfc ");
  EXPECT_STREQ(actions::ListText(31, true), "Startmen\xfc ");
}

TEST(Catalogue, FactoryDefaultSwapsBackForwardAndAddsLauncher) {
  const int factory[] = {0, 1, 2, 4, 3, 47};
  EXPECT_EQ(actions::kButtonSlotCount, 6);
  for (int slot = 0; slot < 6; ++slot) EXPECT_EQ(actions::FactoryDefault(slot), factory[slot]) << slot;
  EXPECT_EQ(actions::FactoryDefault(6), -1);
  EXPECT_EQ(actions::FactoryDefault(-1), -1);
}

// The shared contract: the hooks report these numbers, and outside programs rely on them.
TEST(Contract, EventCodesNameTheSixSlotsAndTheFourResolutionLevels) {
  const int slots[] = {32, 8, 16, 12, 14, 13};
  for (int slot = 0; slot < 6; ++slot) {
    EXPECT_EQ(makerlibs::SlotOfEventCode(slots[slot]), slot);
    EXPECT_EQ(makerlibs::EventCodeOfSlot(slot), slots[slot]);
  }
  for (int level = 0; level < 4; ++level) EXPECT_EQ(makerlibs::ResolutionLevelOfEventCode(36 + 4 * level), level);
  for (int code : {-1, 0, 1, 9, 15, 33, 35, 37, 52}) {
    EXPECT_EQ(makerlibs::SlotOfEventCode(code), -1) << code;
    EXPECT_EQ(makerlibs::ResolutionLevelOfEventCode(code), -1) << code;
  }
  EXPECT_EQ(makerlibs::EventCodeOfSlot(6), -1);
  EXPECT_EQ(makerlibs::WM_MOUSEBTN_UP, 1124u);
  EXPECT_EQ(makerlibs::WM_MOUSEBTN_DOWN, 1125u);
  EXPECT_EQ(makerlibs::WM_HOOK_KEY, 1142u);
}

// A row whose text promises one thing and whose behaviour does another is
// caught here: every text that names a key, a shortcut, a button, a macro or a
// window command is checked against what the row performs.
TEST(Catalogue, EveryRowPerformsWhatItsTextSays) {
  for (int code = 0; code < actions::kFunctionCount; ++code) {
    const actions::Function& f = actions::FunctionOf(code);
    const std::string text = f.text;
    SCOPED_TRACE(text);
    std::size_t strg = text.find("(Strg+");
    if (strg != std::string::npos) {
      ASSERT_EQ(f.behaviour, Behaviour::Shortcut);
      EXPECT_EQ(f.a, 0x11u);
      EXPECT_EQ(f.b, static_cast<std::uint32_t>(text[strg + 6]));
      continue;
    }
    if (text[0] == 'F' && text.size() > 1 && text[1] >= '1' && text[1] <= '9') {
      ASSERT_EQ(f.behaviour, Behaviour::Key);
      EXPECT_EQ(f.a, 0x70u + static_cast<std::uint32_t>(std::stoi(text.substr(1))) - 1);
      continue;
    }
    if (text.rfind("Tastenmakro ", 0) == 0) {
      ASSERT_EQ(f.behaviour, Behaviour::MacroReplay);
      EXPECT_EQ(f.a, static_cast<std::uint32_t>(text.back() - '1'));
      continue;
    }
    struct Named {
      const char* text;
      Behaviour behaviour;
      std::uint32_t a, b;
    };
    const Named named[] = {
        {"Klicken", Behaviour::MouseButton, 0x2, 0x4},      {"KlickEinrasten", Behaviour::MouseButton, 0x2, 0x4},
        {"AutoScroll", Behaviour::MouseButton, 0x20, 0x40}, {"Rechtsklicken", Behaviour::MouseButton, 0x8, 0x10},
        {"Zurück", Behaviour::XClick, 1, 0},                {"Weiter", Behaviour::XClick, 2, 0},
        {"Alt", Behaviour::Key, 0x12, 0},                   {"Rücktaste", Behaviour::Key, 0x08, 0},
        {"Strg", Behaviour::Key, 0x11, 0},                  {"Löschen", Behaviour::Key, 0x2E, 0},
        {"Eingabe", Behaviour::Key, 0x0D, 0},               {"Esc", Behaviour::Key, 0x1B, 0},
        {"Bild runter", Behaviour::Key, 0x22, 0},           {"Bild hoch", Behaviour::Key, 0x21, 0},
        {"Umschalttaste", Behaviour::Key, 0x10, 0},         {"Leertaste", Behaviour::Key, 0x20, 0},
        {"Startmenü ", Behaviour::Key, 0x5B, 0},            {"Tab", Behaviour::Key, 0x09, 0},
        {"Fenster zurückholen (Alt+Tab)", Behaviour::Shortcut, 0x12, 0x09},
        {"Schließen", Behaviour::Post, 0x10, 0},            {"Favoritenordner", Behaviour::Post, 0x111, 41522},
        {"Maximieren", Behaviour::Post, 0x112, 0xF030},     {"Minimieren", Behaviour::Post, 0x112, 0xF020},
        {"Doppelklicken", Behaviour::DoubleClick, 0, 0},    {"Hot-Button-Menü ", Behaviour::Launcher, 0, 0},
    };
    bool found = false;
    for (const Named& n : named) {
      if (text != n.text) continue;
      found = true;
      EXPECT_EQ(f.behaviour, n.behaviour);
      EXPECT_EQ(f.a, n.a);
      EXPECT_EQ(f.b, n.b);
    }
    if (!found) {
      EXPECT_EQ(f.behaviour, Behaviour::Shell) << "only the shell actions are left";
    }
  }
}

// The hook library decides by the contract which functions a button does by
// itself; the catalogue's native column must say the same.
TEST(Catalogue, NativeColumnIsTheContractsRule) {
  for (int code = -1; code <= actions::kFunctionCount; ++code)
    for (int slot = 0; slot < 6; ++slot)
      EXPECT_EQ(actions::IsValidCode(code) && actions::FunctionOf(code).nativeSlot == slot,
                makerlibs::IsNativeFunction(slot, code))
          << "code " << code << " slot " << slot;
  EXPECT_EQ(actions::FunctionOf(7).nativeSlot, 0);
  EXPECT_EQ(actions::FunctionOf(1).nativeSlot, 1);
  EXPECT_EQ(actions::FunctionOf(2).nativeSlot, 2);
}

}  // namespace
