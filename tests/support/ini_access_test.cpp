#include "support/ini_access.h"

#include <gtest/gtest.h>

#include "support/file_name.h"
#include "testkit/test_app.h"

namespace {

using mirl::Dateiname_Bereinigen;

TEST(IniAccess, WritesAndReadsOneKey) {
  mirl::testkit::TempDir dir;
  const auto file = dir.path() / "LastSession.ini";
  EXPECT_EQ(mirl::INI_Lesen(file, "Berechnung", "Berechnung_Menge", "77 "), "77");
  mirl::INI_Schreiben(file, "Berechnung", "Berechnung_Menge", "100");
  EXPECT_EQ(mirl::INI_Lesen(file, "berechnung", "BERECHNUNG_MENGE", "77"), "100");
  mirl::INI_Schreiben(file, "Berechnung", "Berechnung_Zusammenstellung", "");
  EXPECT_EQ(mirl::INI_Lesen(file, "Berechnung", "Berechnung_Zusammenstellung", "Name"), "");
}

TEST(IniAccess, AFailedWriteIsSilentButCanBeAskedFor) {
  mirl::testkit::TempDir dir;
  const auto file = dir.path() / "Kochbuch" / "x.ini";
  mirl::INI_Schreiben(file, "S", "k", "v");  // no folder: lost without a word
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_FALSE(mirl::writeIniKey(file, "S", "k", "v"));
  EXPECT_TRUE(mirl::writeIniKey(dir.path() / "x.ini", "S", "k", "v"));
}

TEST(FileNameCleaner, RemovesExactlyTheFourteenCharacters) {
  EXPECT_EQ(Dateiname_Bereinigen("Rezept 1: Erdbeer/Vanille [neu]?"), "Rezept 1 ErdbeerVanille neu]");
  EXPECT_EQ(Dateiname_Bereinigen("a/b\\c\"d:e;f?g[h=i*j#k'l´m`n%o"), "abcdefghijklmno");
  EXPECT_EQ(Dateiname_Bereinigen("<Grüne Minze> | 3.5 mg"), "<Grüne Minze> | 3.5 mg");
  EXPECT_EQ(Dateiname_Bereinigen("/\\\":;?[=*#'´`%"), "");
  EXPECT_EQ(Dateiname_Bereinigen(""), "");
  // Look-alikes of the removed characters stay: only the exact ones go.
  EXPECT_EQ(Dateiname_Bereinigen("‘’ ′ ＃ ÷"), "‘’ ′ ＃ ÷");
  EXPECT_EQ(Dateiname_Bereinigen(std::string(5000, 'x') + "?"), std::string(5000, 'x'));
}

}  // namespace
