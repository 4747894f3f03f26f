// The live analysis: totals, panel prices, composition, viscosity, scaling
// and background colours, with the exact texts the fields show.
#include <gtest/gtest.h>

#include "model/live.h"
#include "model/live_handlers.h"
#include "model/quantity_lists.h"
#include "model/refresh.h"
#include "runtime/color.h"
#include "testkit/test_app.h"

namespace mirl {
namespace {

// Indexes of the reference-quantity lists.
constexpr int k1ml = 0;
constexpr int k100ml = 6;
constexpr int k1Liter = 10;

class LiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FrmMain& f = main();
    if (f.cbo_Preis_Live->ListCount() == 0) Mengenauswahl_Fuellen(app());
    f.cbo_Preis_Live->setListIndex(k100ml);
    f.cbo_Preis_Berechnung->setListIndex(k100ml);
    for (BaseSlot& b : f.basis) {
      b.cbo_Preis->setListIndex(k100ml);
      b.chk->setValueSilently(0);
      b.txt_Menge->setText("0");
      b.txt_Preis_100_ml->setText("0,00");
    }
    for (int k : kFlavourRowNumbers) {
      f.aroma[k].cbo_Aroma_Preis_Menge->setListIndex(k1ml);
      f.aroma[k].chk_Aroma->setValueSilently(0);
      f.aroma[k].txt_Aroma_Menge_ml->setText("0");
      f.aroma[k].txt_Aroma_Preis->setText("0");
    }
    f.chk_AllAromaProzent->setValueSilently(0);
    f.txt_Live_Preis_Zusatzkosten->setText("0");
    f.txt_Berechnung_Zusatzkosten->setText("0");
    app().model.Farbige_Hintergruende = true;
    app().model.Live_Mix_Markierung = true;
  }

  App& app() { return t_.app(); }
  FrmMain& main() { return t_.main(); }

  void liveMode() { main().opt_Berechnungsauswahl[1]->setValue(true); }
  void calculationMode() { main().opt_Berechnungsauswahl[0]->setValue(true); }

  // Ticks a base with its composition and amount, as normalised texts.
  void base(BaseSlotId s, const char* mgml, const char* pg, const char* vg, const char* ml) {
    BaseSlot& b = main().basis[s];
    b.chk->setValueSilently(1);
    b.txt_mg_ml->setText(mgml);
    b.txt_PG_Prozent->setText(pg);
    b.txt_VG_Prozent->setText(vg);
    b.txt_Wasser_Prozent->setText("0");
    b.txt_Sonst_Prozent->setText("0");
    b.txt_Menge->setText(ml);
  }
  void priced(BaseSlotId s, const char* price, int quantity) {
    main().basis[s].txt_Preis_100_ml->setText(price);
    main().basis[s].cbo_Preis->setListIndex(quantity);
  }
  void flavour(int k, const char* ml, Aromenzusammensetzung record = {100, 0, 0, 0, 0, 0}) {
    main().aroma[k].chk_Aroma->setValueSilently(1);
    main().aroma[k].txt_Aroma_Menge_ml->setText(ml);
    app().flavours.Aromen_Tabelle[k] = record;
  }

  // The refresh's live steps, in its order.
  void analyse() {
    Live_Menge_Summieren(app());
    Preis_Berechnen_Live(app());
    Live_Analyse_Aktualisieren(app());
    Preis_Berechnen_Berechnung(app());
    Live_Viskositaet_Berechnen(app());
  }

  testkit::TestApp t_;
};

// --- live total --------------------------------------------------------------

TEST_F(LiveTest, TotalCountsTickedRowsOnly) {
  liveMode();
  base(PG_Basis, "0", "100", "0", "3");
  base(VG_Basis, "0", "0", "100", "7,5");
  main().basis[VPG_Basis].txt_Menge->setText("40");  // unticked
  flavour(2, "1,25");
  main().aroma[3].txt_Aroma_Menge_ml->setText("9");  // unticked
  Live_Menge_Summieren(app());
  EXPECT_EQ(main().txt_Live_Menge->Text(), "11,75");
  EXPECT_TRUE(main().btn_Misch_Zu_Menge->Enabled());

  // A ticked amount that is no number adds nothing; the others still count.
  main().basis[VG_Basis].txt_Menge->setText("abc");
  Live_Menge_Summieren(app());
  EXPECT_EQ(main().txt_Live_Menge->Text(), "4,25");
}

TEST_F(LiveTest, MixToTargetNeedsLiveModeAndAMixture) {
  base(PG_Basis, "0", "100", "0", "10");
  calculationMode();
  Live_Menge_Summieren(app());
  EXPECT_EQ(main().txt_Live_Menge->Text(), "10");
  EXPECT_FALSE(main().btn_Misch_Zu_Menge->Enabled());

  liveMode();
  Live_Menge_Summieren(app());
  EXPECT_TRUE(main().btn_Misch_Zu_Menge->Enabled());

  main().basis[PG_Basis].txt_Menge->setText("0");
  Live_Menge_Summieren(app());
  EXPECT_EQ(main().txt_Live_Menge->Text(), "0");
  EXPECT_FALSE(main().btn_Misch_Zu_Menge->Enabled());
}

// --- panel prices ------------------------------------------------------------

TEST_F(LiveTest, PanelPricesOfABasePerLitre) {
  liveMode();
  base(PG_N_Basis, "20", "100", "0", "10");
  priced(PG_N_Basis, "5,00", k100ml);
  main().cbo_Preis_Live->setListIndex(k1Liter);
  main().cbo_Preis_Berechnung->setListIndex(k100ml);
  analyse();
  EXPECT_EQ(main().txt_Live_Preis_Summe->Text(), "0,50");
  EXPECT_EQ(main().txt_Live_Preis->Text(), "50,00");
  EXPECT_EQ(main().txt_Berechnung_Preis_Gesamt->Text(), "0,50");
  EXPECT_EQ(main().txt_Berechnung_Preis->Text(), "5,00");
}

TEST_F(LiveTest, ExtraCostAloneGivesNoPricePerQuantity) {
  main().txt_Live_Preis_Zusatzkosten->setText("-3");
  main().txt_Berechnung_Zusatzkosten->setText("4");
  main().txt_Live_Preis->setText("9,99");
  analyse();
  EXPECT_EQ(main().txt_Live_Menge->Text(), "0");
  EXPECT_EQ(main().txt_Live_Preis_Zusatzkosten->Text(), "3,00");
  EXPECT_EQ(main().txt_Live_Preis_Summe->Text(), "3,00");
  EXPECT_EQ(main().txt_Live_Preis->Text(), "0,00");
  EXPECT_EQ(main().txt_Berechnung_Preis_Gesamt->Text(), "4,00");
  EXPECT_EQ(main().txt_Berechnung_Preis->Text(), "0,00");
}

TEST_F(LiveTest, FlavourPriceCountsAsItsNormalisedValueAndKeepsItsText) {
  liveMode();
  flavour(1, "4");
  main().aroma[1].txt_Aroma_Preis->setText("2.5");  // per "1 ml"
  flavour(2, "2");
  main().aroma[2].txt_Aroma_Preis->setText("-3");
  main().aroma[2].cbo_Aroma_Preis_Menge->setListIndex(k1ml);
  flavour(3, "1");
  main().aroma[3].txt_Aroma_Preis->setText("teuer");  // no number: adds nothing
  flavour(4, "40");
  main().aroma[4].txt_Aroma_Preis->setText("0,0296");  // every decimal counts
  main().cbo_Preis_Live->setListIndex(k100ml);
  analyse();
  // 2,50 × 4 + 3,00 × 2 + 0,0296 × 40 = 17,184 for 47 ml (not 17,20).
  EXPECT_EQ(main().txt_Live_Preis_Summe->Text(), "17,18");
  EXPECT_EQ(main().txt_Live_Preis->Text(), "36,56");
  EXPECT_EQ(main().aroma[1].txt_Aroma_Preis->Text(), "2.5");
  EXPECT_EQ(main().aroma[2].txt_Aroma_Preis->Text(), "-3");
}

TEST_F(LiveTest, MissingReferenceQuantities) {
  liveMode();
  base(PG_Basis, "0", "100", "0", "10");
  priced(PG_Basis, "5", k100ml);
  base(VG_Basis, "0", "0", "100", "10");
  priced(VG_Basis, "7", k100ml);
  main().basis[VG_Basis].cbo_Preis->setListIndex(-1);  // this row adds nothing
  main().cbo_Preis_Live->setListIndex(-1);
  main().txt_Live_Preis->setText("7");
  Live_Menge_Summieren(app());
  Preis_Berechnen_Live(app());
  EXPECT_EQ(main().txt_Live_Preis_Summe->Text(), "0,50");
  // The per-quantity price cannot be computed: its old text, normalised.
  EXPECT_EQ(main().txt_Live_Preis->Text(), "7,00");
}

TEST(LivePrices, CalculationPanelWithoutQuantitiesKeepsItsFields) {
  testkit::TestApp t;
  FrmMain& f = t.main();
  f.cbo_Preis_Berechnung->Clear();
  f.txt_Berechnung_Zusatzkosten->setText("-5");
  f.txt_Berechnung_Preis_Gesamt->setText("alt");
  f.txt_Berechnung_Preis->setText("alt");
  Preis_Berechnen_Berechnung(t.app());
  EXPECT_EQ(f.txt_Berechnung_Zusatzkosten->Text(), "-5");
  EXPECT_EQ(f.txt_Berechnung_Preis_Gesamt->Text(), "alt");
  EXPECT_EQ(f.txt_Berechnung_Preis->Text(), "alt");
}

// --- composition and viscosity ----------------------------------------------

TEST_F(LiveTest, FlavourCompositionAndBounds) {
  liveMode();
  // A flavour of 50 % substance with nicotine, PG, water and other.
  base(VG_Basis, "0", "0", "100", "8");
  flavour(1, "2", {50, 10, 20, 10, 10, 10});
  analyse();
  EXPECT_EQ(main().txt_Live_Aroma->Text(), "10");
  EXPECT_EQ(main().txt_Live_N->Text(), "2");
  EXPECT_EQ(main().txt_Live_PG->Text(), "4");
  EXPECT_EQ(main().txt_Live_VG->Text(), "82");
  EXPECT_EQ(main().txt_Live_Wasser->Text(), "2");
  EXPECT_EQ(main().txt_Live_Sonstiges->Text(), "2");

  // A record of zeros counts in the total only; a share below 0,005 % shows
  // "0"; a mixture stronger than 100 mg/ml shows "0".
  app().flavours.Aromen_Tabelle[1] = {};
  base(PG_N_Basis, "100", "0,01", "0", "2");
  main().basis[PG_N_Basis].txt_Wasser_Prozent->setText("0");
  flavour(2, "0", {});
  analyse();
  EXPECT_EQ(main().txt_Live_Menge->Text(), "12");
  EXPECT_EQ(main().txt_Live_Aroma->Text(), "0");
  EXPECT_EQ(main().txt_Live_PG->Text(), "0");
  EXPECT_EQ(main().txt_Live_N->Text(), "16,67");
  EXPECT_EQ(main().txt_Live_VG->Text(), "66,67");

  main().basis[VG_Basis].chk->setValueSilently(0);
  main().aroma[1].chk_Aroma->setValueSilently(0);
  main().basis[PG_N_Basis].txt_mg_ml->setText("100");
  main().basis[PG_N_Basis].txt_Menge->setText("2");
  flavour(3, "1", {0, 200, 0, 0, 0, 0});
  analyse();
  EXPECT_EQ(main().txt_Live_N->Text(), "0");  // (200 + 100 × 2) ÷ 3
}

TEST_F(LiveTest, NothingTickedShowsZeros) {
  main().txt_Live_PG->setText("12");
  main().txt_Vis_Summe->setText("99");
  analyse();
  for (rt::TextBox* t : {main().txt_Live_Menge, main().txt_Live_N, main().txt_Live_PG, main().txt_Live_VG,
                         main().txt_Live_Wasser, main().txt_Live_Sonstiges, main().txt_Live_Aroma,
                         main().txt_Vis_Summe}) {
    EXPECT_EQ(t->Text(), "0") << t->name();
  }
}

// --- scaling ---------------------------------------------------------------

TEST_F(LiveTest, ScalingWritesPlainDecimals) {
  liveMode();
  base(PG_Basis, "0", "100", "0", "3");
  base(VG_Basis, "0", "0", "100", "7");
  flavour(1, "2");
  main().basis[VPG_Basis].txt_Menge->setText("5");  // unticked: kept
  main().txt_Live_Menge->setText("12");
  Live_Mischung_Auf_Menge(app(), 100);
  EXPECT_EQ(main().basis[PG_Basis].txt_Menge->Text(), "25");
  EXPECT_EQ(main().basis[VG_Basis].txt_Menge->Text(), "58,3333333333333");
  EXPECT_EQ(main().aroma[1].txt_Aroma_Menge_ml->Text(), "16,6666666666667");
  EXPECT_EQ(main().basis[VPG_Basis].txt_Menge->Text(), "5");

  // A tiny target stays tiny: plain decimals, never exponent form.
  main().txt_Berechnung_Menge->setText("0,01");
  main().txt_Live_Menge->setText("100");
  Live_Mischung_Auf_Menge(app(), 0);
  EXPECT_EQ(main().basis[PG_Basis].txt_Menge->Text(), "0,0025");
  EXPECT_EQ(main().basis[VG_Basis].txt_Menge->Text(), "0,00583333333333333");
  EXPECT_EQ(main().aroma[1].txt_Aroma_Menge_ml->Text(), "0,00166666666666667");
}

TEST_F(LiveTest, ScalingLeavesWhatItCannotScale) {
  liveMode();
  base(PG_Basis, "0", "100", "0", "3");
  base(VG_Basis, "0", "0", "100", "x");  // no number: keeps its text
  main().txt_Live_Menge->setText("0");
  Live_Mischung_Auf_Menge(app(), 100);  // total 0: nothing changes
  EXPECT_EQ(main().basis[PG_Basis].txt_Menge->Text(), "3");

  main().txt_Live_Menge->setText("3");
  Live_Mischung_Auf_Menge(app(), 6);
  EXPECT_EQ(main().basis[PG_Basis].txt_Menge->Text(), "6");
  EXPECT_EQ(main().basis[VG_Basis].txt_Menge->Text(), "x");

  // A target amount of "0" sets every ticked amount to "0".
  main().txt_Berechnung_Menge->setText("0");
  main().txt_Live_Menge->setText("6");
  Live_Mischung_Auf_Menge(app(), 0);
  EXPECT_EQ(main().basis[PG_Basis].txt_Menge->Text(), "0");
}

TEST_F(LiveTest, Mix100mlButtonScalesAndRefreshes) {
  liveMode();
  base(PG_Basis, "0", "100", "0", "3");
  base(VG_Basis, "0", "0", "100", "7");
  flavour(1, "2");
  Anzeige_Aktualisieren(app());
  ASSERT_EQ(main().txt_Live_Menge->Text(), "12");
  const auto before = app().refreshCount;
  main().btn_Live_Mix_100ml->raiseClick();
  EXPECT_EQ(app().refreshCount, before + 1);
  EXPECT_EQ(main().basis[PG_Basis].txt_Menge->Text(), "25");
  EXPECT_EQ(main().basis[VG_Basis].txt_Menge->Text(), "58,33");
  EXPECT_EQ(main().aroma[1].txt_Aroma_Menge_ml->Text(), "16,67");
  EXPECT_EQ(main().txt_Live_Menge->Text(), "100");
  EXPECT_TRUE(app().model.Live_Mix_Markierung);

  // To a tiny target amount: the amounts are normalised to two decimals.
  main().txt_Berechnung_Menge->setText("0,3");
  main().btn_Misch_Zu_Menge->raiseClick();
  EXPECT_EQ(main().basis[PG_Basis].txt_Menge->Text(), "0,08");
  EXPECT_EQ(main().basis[VG_Basis].txt_Menge->Text(), "0,17");
  EXPECT_EQ(main().aroma[1].txt_Aroma_Menge_ml->Text(), "0,05");
}

// --- colours ---------------------------------------------------------------

TEST_F(LiveTest, AmountColoursInCalculationMode) {
  calculationMode();
  base(PG_N_Basis, "20", "100", "0", "12");
  base(PG_Basis, "0", "100", "0", "0");
  main().basis[VG_Basis].txt_Menge->setText("5");  // unticked
  for (BaseSlot& b : main().basis) b.txt_Menge->setEnabled(false);
  main().chk_AllAromaProzent->setValueSilently(1);
  flavour(1, "3");
  main().aroma[1].txt_Aroma_Menge_ml->setEnabled(false);
  Hintergrundfarben_Setzen(app());
  const rt::Color standard = main().txt_Berechnung_Zusammenstellung->BackColor();
  EXPECT_EQ(main().basis[PG_N_Basis].txt_Menge->BackColor(), rt::Green);
  EXPECT_EQ(main().basis[PG_Basis].txt_Menge->BackColor(), standard);
  EXPECT_EQ(main().basis[VG_Basis].txt_Menge->BackColor(), standard);
  EXPECT_EQ(main().aroma[1].txt_Aroma_Menge_ml->BackColor(), rt::Green);

  // Flavours on top of the target are never green, nor cyan outside live mode.
  main().chk_AllAromaProzent->setValueSilently(0);
  Hintergrundfarben_Setzen(app());
  EXPECT_EQ(main().aroma[1].txt_Aroma_Menge_ml->BackColor(), standard);
}

TEST_F(LiveTest, AmountColoursInLiveMode) {
  liveMode();
  base(PG_Basis, "0", "100", "0", "12");
  base(VG_Basis, "0", "0", "100", "0");
  for (BaseSlot& b : main().basis) b.txt_Menge->setEnabled(true);
  flavour(1, "3");
  flavour(2, "0");
  main().aroma[1].txt_Aroma_Menge_ml->setEnabled(true);
  Hintergrundfarben_Setzen(app());
  const rt::Color standard = main().txt_Berechnung_Zusammenstellung->BackColor();
  EXPECT_EQ(main().basis[PG_Basis].txt_Menge->BackColor(), rt::Cyan);
  EXPECT_EQ(main().basis[VG_Basis].txt_Menge->BackColor(), standard);
  EXPECT_EQ(main().aroma[1].txt_Aroma_Menge_ml->BackColor(), rt::Cyan);
  EXPECT_EQ(main().aroma[2].txt_Aroma_Menge_ml->BackColor(), standard);

  main().chk_AllAromaProzent->setValueSilently(1);
  Hintergrundfarben_Setzen(app());
  EXPECT_EQ(main().aroma[1].txt_Aroma_Menge_ml->BackColor(), rt::Cyan);
}

TEST_F(LiveTest, LiveValuesComparedWithTheTarget) {
  FrmMain& f = main();
  f.txt_Live_N->setText("12");
  f.txt_Berechnung_Prozent_N->setText("12,0");  // same at one decimal: green
  f.txt_Live_PG->setText("50");
  f.txt_Berechnung_Prozent_PG->setText("50,0");  // compared as text: yellow
  f.txt_Live_VG->setText("50");
  f.txt_Berechnung_Prozent_VG->setText("50");
  f.txt_Live_Wasser->setText("0");
  f.txt_Berechnung_Prozent_Wasser->setText("0");
  f.txt_Live_Sonstiges->setText("0");
  f.txt_Berechnung_Prozent_Sonst->setText("3");
  f.txt_Live_Aroma->setText("5");
  f.txt_AllAromaProzent->setText("5");
  f.txt_Live_Menge->setText("100");
  f.txt_Berechnung_Menge->setText("1000");
  Hintergrundfarben_Setzen(app());
  const rt::Color standard = f.txt_Berechnung_Zusammenstellung->BackColor();
  EXPECT_EQ(f.txt_Live_N->BackColor(), rt::Green);
  EXPECT_EQ(f.txt_Live_PG->BackColor(), rt::Yellow);
  EXPECT_EQ(f.txt_Live_VG->BackColor(), rt::Green);
  EXPECT_EQ(f.txt_Live_Wasser->BackColor(), standard);
  EXPECT_EQ(f.txt_Live_Sonstiges->BackColor(), standard);
  EXPECT_EQ(f.txt_Live_Aroma->BackColor(), standard);  // share box unticked
  EXPECT_EQ(f.txt_Live_Menge->BackColor(), rt::Yellow);

  f.chk_AllAromaProzent->setValueSilently(1);
  Hintergrundfarben_Setzen(app());
  EXPECT_EQ(f.txt_Live_Aroma->BackColor(), rt::Green);
}

TEST_F(LiveTest, OptionOffGivesTheRecipeNamesBackground) {
  FrmMain& f = main();
  const rt::Color standard = rt::rgb(1, 2, 3);
  f.txt_Berechnung_Zusammenstellung->setBackColor(standard);
  liveMode();
  base(PG_Basis, "0", "100", "0", "12");
  f.txt_Live_PG->setText("50");
  f.txt_Live_Menge->setText("1000");
  f.txt_Berechnung_Menge->setText("1000");
  app().model.Farbige_Hintergruende = false;
  Hintergrundfarben_Setzen(app());
  EXPECT_EQ(f.basis[PG_Basis].txt_Menge->BackColor(), standard);
  EXPECT_EQ(f.txt_Live_PG->BackColor(), standard);
  EXPECT_EQ(f.txt_Live_Menge->BackColor(), standard);
  EXPECT_EQ(f.txt_Berechnung_Zusammenstellung->BackColor(), standard);
}

}  // namespace
}  // namespace mirl
