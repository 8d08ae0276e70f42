#include "actions/catalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using catalogue::FunctionKind;

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
  EXPECT_EQ(catalogue::kFunctionCount, 51);
  for (const FunctionRow& row : kFunctions) {
    SCOPED_TRACE(row.code);
    ASSERT_TRUE(catalogue::IsValidCode(row.code));
    ASSERT_NE(catalogue::ListText(row.code), nullptr);
    EXPECT_STREQ(catalogue::ListText(row.code), row.text);
    EXPECT_EQ(catalogue::KindOf(row.code), row.kind);
    if (row.code != 47) {
      EXPECT_STREQ(catalogue::ListText(row.code, true), row.text);
    }
  }
}

TEST(Catalogue, CodesOutsideTheTableAreNoFunction) {
  for (int code : {-1, -2, 51, 60, 1000}) {
    SCOPED_TRACE(code);
    EXPECT_FALSE(catalogue::IsValidCode(code));
    EXPECT_EQ(catalogue::ListText(code), nullptr);
    EXPECT_EQ(catalogue::ListText(code, true), nullptr);
  }
}

TEST(Catalogue, TextsAreWindows1252Bytes) {
  EXPECT_STREQ(catalogue::ListText(3), "\x5a\x75\x72\xfc\x63\x6b");          // Zurück
  EXPECT_STREQ(catalogue::ListText(6), "R\xfc" "cktaste");                   // Rücktaste
  EXPECT_STREQ(catalogue::ListText(8), "Schlie\xdf" "en");                   // Schließen
  EXPECT_STREQ(catalogue::ListText(12), "L\xf6" "schen");                    // Löschen
  EXPECT_STREQ(catalogue::ListText(16), "Arbeitsplatz \xf6" "ffnen");
  EXPECT_STREQ(catalogue::ListText(28), "Alle ausw\xe4hlen (Strg+A)");
  EXPECT_STREQ(catalogue::ListText(33), "R\xfc" "ckg\xe4ngig (Strg+Z)");
  EXPECT_EQ(std::strlen(catalogue::ListText(3)), 6u);  // one byte per umlaut
}

TEST(Catalogue, StartMenuAndLauncherTextsEndInABlank) {
  EXPECT_EQ(std::string(catalogue::ListText(31)), std::string("Startmen\xfc\x20"));
  EXPECT_EQ(std::string(catalogue::ListText(47)), std::string("Hot-Button-Men\xfc\x20"));
  EXPECT_EQ(std::strlen(catalogue::ListText(31)), 10u);
  EXPECT_EQ(std::strlen(catalogue::ListText(47)), 16u);
}

TEST(Catalogue, SixthListSpellsLauncherEntryWithPlainUAndNoBlank) {
  EXPECT_EQ(std::string(catalogue::ListText(47, true)), std::string("Hot-Button-Menu"));
  EXPECT_STREQ(catalogue::ListText(47, false), "Hot-Button-Men\xfc ");
  EXPECT_STREQ(catalogue::ListText(31, true), "Startmen\xfc ");
}

TEST(Catalogue, EventCodesNameTheSixSlots) {
  struct Case {
    int slot;
    int eventCode;
  };
  const Case cases[] = {{0, 32}, {1, 8}, {2, 16}, {3, 12}, {4, 14}, {5, 13}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slot);
    EXPECT_EQ(catalogue::SlotOfEventCode(c.eventCode), c.slot);
    EXPECT_EQ(catalogue::EventCodeOfSlot(c.slot), c.eventCode);
  }
  for (int eventCode : {-1, 0, 1, 9, 15, 33, 36, 37, 40, 52}) {
    SCOPED_TRACE(eventCode);
    EXPECT_EQ(catalogue::SlotOfEventCode(eventCode), -1);
  }
  EXPECT_EQ(catalogue::EventCodeOfSlot(-1), -1);
  EXPECT_EQ(catalogue::EventCodeOfSlot(6), -1);
}

TEST(Catalogue, StoredDefaultIsSlotNumberButFactoryDefaultSwapsBackForwardAndAddsLauncher) {
  const int stored[] = {0, 1, 2, 3, 4, 5};
  const int factory[] = {0, 1, 2, 4, 3, 47};
  EXPECT_EQ(catalogue::kSlotCount, 6);
  for (int slot = 0; slot < 6; ++slot) {
    SCOPED_TRACE(slot);
    EXPECT_EQ(catalogue::StoredDefault(slot), stored[slot]);
    EXPECT_EQ(catalogue::FactoryDefault(slot), factory[slot]);
  }
  EXPECT_EQ(catalogue::StoredDefault(6), -1);
  EXPECT_EQ(catalogue::FactoryDefault(-1), -1);
}

TEST(Catalogue, ResolutionReportsNameLevelsZeroToThree) {
  EXPECT_EQ(catalogue::ResolutionLevelOfEventCode(36), 0);
  EXPECT_EQ(catalogue::ResolutionLevelOfEventCode(40), 1);
  EXPECT_EQ(catalogue::ResolutionLevelOfEventCode(44), 2);
  EXPECT_EQ(catalogue::ResolutionLevelOfEventCode(48), 3);
  for (int eventCode : {-1, 0, 32, 35, 37, 38, 42, 52}) {
    SCOPED_TRACE(eventCode);
    EXPECT_EQ(catalogue::ResolutionLevelOfEventCode(eventCode), -1);
  }
}

}  // namespace
