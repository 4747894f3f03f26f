#include <gtest/gtest.h>

#include "shell/scripting.h"
#include "testkit/test_app.h"

namespace mirl {
namespace {

class Scripting : public ::testing::Test {
 protected:
  testkit::TestApp t{false};
  App& app() { return t.app(); }
};

TEST_F(Scripting, ReachesEveryKindOfSharedValue) {
  app().solver.Trefferliste[77](15) = 2.5;
  app().solver.Vorschlagsliste[0](1) = 7;
  app().conv.Aroma_Menge_Alt[7] = 3;
  app().flavours.Aromen_Tabelle[2].W = 4;
  app().texts.set(Msg::Tip_Zu_Viel, "zu viel");
  EXPECT_EQ(getGlobal(app(), "Trefferliste(77).15"), rt::Value{2.5});
  EXPECT_EQ(getGlobal(app(), "Vorschlagsliste(0).1"), rt::Value{7.0});
  EXPECT_EQ(getGlobal(app(), "Aroma_Menge_Alt(7)"), rt::Value{3.0});
  EXPECT_EQ(getGlobal(app(), "Aromen_Tabelle(2).W"), rt::Value{4.0});
  EXPECT_EQ(getGlobal(app(), "Tip_Zu_Viel"), rt::Value{std::string("zu viel")});
  EXPECT_EQ(getGlobal(app(), "Annaeherung_Aktiv"), rt::Value{false});
}

TEST_F(Scripting, UnknownNamesAndPlacesOutsideTheTables) {
  for (const char* name : {"", "Nope", "Trefferliste(78).1", "Trefferliste(0).16", "Trefferliste(0).0",
                           "Trefferliste(0)", "Trefferliste.1", "Aroma_Menge_Alt(0)", "Aroma_Menge_Alt(8)",
                           "Aroma_Menge_Alt(1).A", "Aromen_Tabelle(1).X", "Aromen_Tabelle(1)", "dpA_Name(1)",
                           "Vorschlag_Index.1", "Trefferliste(-1).1", "Trefferliste(1x).1"}) {
    EXPECT_FALSE(getGlobal(app(), name).has_value()) << name;
    EXPECT_FALSE(setGlobal(app(), name, rt::Value{1.0})) << name;
  }
}

TEST_F(Scripting, WritesOnlyValuesOfTheRightKind) {
  EXPECT_TRUE(setGlobal(app(), "Berechnung_Abbrechen", rt::Value{-1.0}));
  EXPECT_TRUE(app().solver.Berechnung_Abbrechen);
  EXPECT_TRUE(setGlobal(app(), "Berechnung_Abbrechen", rt::Value{false}));
  EXPECT_FALSE(app().solver.Berechnung_Abbrechen);
  EXPECT_FALSE(setGlobal(app(), "Berechnung_Abbrechen", rt::Value{std::string("1")}));
  EXPECT_FALSE(setGlobal(app(), "Vorschlag_Index", rt::Value{true}));
  EXPECT_FALSE(setGlobal(app(), "dpA_Name", rt::Value{1.0}));
  EXPECT_TRUE(setGlobal(app(), "Text_Btn_Berechnen", rt::Value{std::string("Los ")}));
  EXPECT_EQ(app().texts[Msg::Text_Btn_Berechnen], "Los ");
  EXPECT_FALSE(setGlobal(app(), "Text_Btn_Berechnen", rt::Value{1.0}));
}

TEST_F(Scripting, CallsProceduresByName) {
  app().flavours.Aromen_Tabelle[3].A = 0;
  EXPECT_TRUE(callProcedure(app(), "Aromen_Tabelle_Standardwerte"));
  EXPECT_EQ(app().flavours.Aromen_Tabelle[3].A, 100);
  EXPECT_FALSE(callProcedure(app(), "Nope"));
  EXPECT_FALSE(callProcedure(app(), ""));
}

}  // namespace
}  // namespace mirl
