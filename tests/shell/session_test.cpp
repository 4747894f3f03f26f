// What the scenarios cannot hold: the whole session file of a designed
// window byte for byte (every key's section, name, place and value form),
// and lines of a megabyte.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "context/app.h"
#include "shell/session.h"
#include "testkit/test_app.h"

namespace mirl {
namespace {

using testkit::bytesOf;

// The designed window saved gives the design session exactly: the keys in
// the order of the tables, each section once, every value in its form.
TEST(SessionFile, DesignedWindowIsSavedKeyForKeyInOrder) {
  testkit::TestApp t;
  const auto copy = t.folder() / "copy.ini";
  ASSERT_TRUE(Session_Speichern(t.app(), copy));
  EXPECT_EQ(bytesOf(copy), bytesOf(testkit::designSession()));
}

// Lines of a megabyte and values of every length: a text is cut to 1023
// characters, and what is loaded saves and loads again to the same file.
TEST(SessionFile, MegabyteLinesLoadAndSaveStably) {
  testkit::TestApp t;
  const auto file = t.folder() / "lang.ini";
  {
    std::ofstream out(file, std::ios::binary);
    out << "[Berechnung]\r\nBerechnung_Zusammenstellung=" << std::string(1 << 20, 'x') << "\r\n"
        << std::string(1 << 20, '[') << "\r\n[Aromenzusammensetzungen]\r\ndpA1_A=" << std::string(1 << 20, '7')
        << "\r\ndpA2_A=0," << std::string(1 << 20, '3') << "\r\n";
  }
  Session_Laden(t.app(), file);
  EXPECT_EQ(t.main().txt_Berechnung_Zusammenstellung->Text(), std::string(1023, 'x'));
  // 1023 sevens are too large for a number: the field keeps its 100; 1021
  // threes after "0," are a third.
  EXPECT_EQ(t.app().flavours.Aromen_Tabelle[1].A, 100);
  EXPECT_EQ(t.app().flavours.Aromen_Tabelle[2].A, 1.0 / 3);

  const auto first = t.folder() / "first.ini";
  const auto second = t.folder() / "second.ini";
  ASSERT_TRUE(Session_Speichern(t.app(), first));
  Session_Laden(t.app(), first);
  ASSERT_TRUE(Session_Speichern(t.app(), second));
  EXPECT_EQ(bytesOf(first), bytesOf(second));
}

}  // namespace
}  // namespace mirl
