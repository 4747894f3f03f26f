#include "model_fixture.h"

namespace mirl::testing_model {
namespace {

using ModeRules = ModelTest;

TEST_F(ModeRules, FlavourRowsFollowTickAndMode) {
  tickSilently(row(2).chk_Aroma, 1);
  tickSilently(row(5).chk_Aroma, 0);
  for (bool live : {false, true}) {
    liveMode(live);
    refresh();
    FlavourRow& on = row(2);
    EXPECT_EQ(on.txt_Aroma_Menge->Enabled(), !live);
    EXPECT_EQ(on.lbl_Aroma_Mengenbezeichnung->Enabled(), !live);
    EXPECT_EQ(on.txt_Aroma_Menge_ml->Enabled(), live);
    EXPECT_EQ(on.lbl_Aroma_Mengenbezeichnung_ml->Enabled(), live);
    for (rt::Control* c : std::initializer_list<rt::Control*>{on.txt_Aroma_Kommentar, on.txt_Aroma_Preis,
                                                              on.lbl_Aroma_Preis_je, on.lbl_Aroma_Preis_Euro,
                                                              on.cbo_Aroma_Preis_Menge}) {
      EXPECT_TRUE(c->Enabled()) << c->fullName();
    }
    FlavourRow& off = row(5);
    for (rt::Control* c : std::initializer_list<rt::Control*>{
             off.txt_Aroma_Kommentar, off.txt_Aroma_Menge, off.lbl_Aroma_Mengenbezeichnung, off.txt_Aroma_Menge_ml,
             off.lbl_Aroma_Mengenbezeichnung_ml, off.txt_Aroma_Preis, off.lbl_Aroma_Preis_je,
             off.lbl_Aroma_Preis_Euro, off.cbo_Aroma_Preis_Menge}) {
      EXPECT_FALSE(c->Enabled()) << c->fullName();
    }
    EXPECT_TRUE(off.chk_Aroma->Enabled());
  }
}

TEST_F(ModeRules, FlavourShareFieldShowsTheRoundedShareAndFollowsItsBox) {
  tickSilently(row(1).chk_Aroma, 1);
  row(1).txt_Aroma_Menge->setText("7");
  app().flavours.Aromen_Tabelle[1].A = 33.33;
  struct Case {
    int box;
    bool live;
    bool enabled;
  };
  for (const Case& c : {Case{0, false, false}, Case{1, false, true}, Case{1, true, false}}) {
    f().chk_AllAromaProzent->setValueSilently(c.box);
    liveMode(c.live);
    refresh();
    EXPECT_EQ(f().txt_AllAromaProzent->Text(), "2,33");
    EXPECT_EQ(f().txt_AllAromaProzent->Enabled(), c.enabled);
    EXPECT_EQ(f().lbl_Berechnung_AllAromen_Prozent->Enabled(), c.enabled);
  }
  row(1).txt_Aroma_Menge->setText("10");
  app().flavours.Aromen_Tabelle[1].A = 50;
  refresh();
  EXPECT_EQ(f().txt_AllAromaProzent->Text(), "5");  // plain text, no trailing zeros
}

TEST_F(ModeRules, ProposalCounterAndPagingButtons) {
  struct Case {
    bool present;
    double index, last;
    bool live;
    const char* caption;
    bool counter, left, right;
  };
  const Case cases[] = {
      {false, 0, 0, false, "Vorschlag ", false, false, false},
      {true, 0, 0, false, "Vorschlag 1 / 1", true, false, false},
      {true, 0, 11, false, "Vorschlag 1 / 12", true, false, true},
      {true, 5, 11, false, "Vorschlag 6 / 12", true, true, true},
      {true, 11, 11, false, "Vorschlag 12 / 12", true, true, false},
      {true, 5, 11, true, "Vorschlag 6 / 12", false, false, false},
      {false, 5, 11, true, "Vorschlag ", false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    app().solver.Vorschlaege_Vorhanden = c.present;
    app().solver.Vorschlag_Index = c.index;
    app().solver.Vorschlag_Letzter_Index = c.last;
    liveMode(c.live);
    refresh();
    EXPECT_EQ(f().lbl_TopTen->Caption(), c.caption);
    EXPECT_EQ(f().lbl_TopTen->Enabled(), c.counter);
    EXPECT_EQ(f().btn_L->Enabled(), c.left);
    EXPECT_EQ(f().btn_R->Enabled(), c.right);
  }
}

}  // namespace
}  // namespace mirl::testing_model
