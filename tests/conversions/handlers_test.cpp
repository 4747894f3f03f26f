// The flavour-share handlers and the nicotine option's menu handler: how
// often they convert and refresh, and what they do with the total amount.
#include "conversions/handlers.h"
#include "conversion_fixture.h"

namespace mirl::testing_conv {
namespace {

class Handlers : public ConversionTest {
 protected:
  Handlers() {
    composition(1, 100, 0, 0, 0, 0, 0);
    row(1, 1, "10");
    f().txt_Berechnung_Prozent_N->setText("9");
    f().txt_Berechnung_Prozent_PG->setText("50");
    f().txt_Berechnung_Prozent_VG->setText("50");
    f().txt_Berechnung_Prozent_Wasser->setText("0");
    f().txt_Berechnung_Prozent_Sonst->setText("0");
    f().txt_Berechnung_Menge->setText("90");
  }
  // Master refreshes since the last call.
  std::uint64_t refreshes() {
    const std::uint64_t n = app().refreshCount - lastCount_;
    lastCount_ = app().refreshCount;
    return n;
  }
  const std::string& amount() { return f().txt_Berechnung_Menge->Text(); }
  const std::string& pg() { return f().txt_Berechnung_Prozent_PG->Text(); }

 private:
  std::uint64_t lastCount_ = 0;
};

TEST_F(Handlers, ImitateConvertsOnce) {
  refreshes();
  chk_AllAromaProzent_Imitate(app());
  EXPECT_EQ(f().chk_AllAromaProzent->Value(), 1);
  EXPECT_EQ(pg(), "45");
  EXPECT_EQ(amount(), "100");  // twice would give 111,11
  EXPECT_EQ(refreshes(), 1u);
}

TEST_F(Handlers, NicotineOptionTakesTheFlavoursOutAndBackOnce) {
  chk_AllAromaProzent_Imitate(app());
  refreshes();
  frm_Main_mnu_Service_HundertProzentN_Click(app());
  // Out, refresh after the switch, in, refresh: four in all.
  EXPECT_EQ(refreshes(), 4u);
  EXPECT_EQ(f().chk_AllAromaProzent->Value(), 1);
  EXPECT_EQ(amount(), "100");
  EXPECT_TRUE(t.host().boxes.empty());
}

TEST_F(Handlers, NicotineOptionWithoutTheBoxRefreshesOnce) {
  refreshes();
  frm_Main_mnu_Service_HundertProzentN_Click(app());
  EXPECT_EQ(refreshes(), 1u);
  EXPECT_EQ(f().chk_AllAromaProzent->Value(), 0);
  EXPECT_EQ(amount(), "90");
}

TEST_F(Handlers, FlavourTickRefreshesAndRedoesTheShare) {
  refreshes();
  frm_Main_chk_Aroma_Click(app(), 1);  // box unticked: refresh only
  EXPECT_EQ(refreshes(), 1u);
  EXPECT_EQ(pg(), "50");

  chk_AllAromaProzent_Imitate(app());
  refreshes();
  row(1, 0, "10");  // flavour 1 just unticked
  frm_Main_chk_Aroma_Click(app(), 1);
  EXPECT_EQ(refreshes(), 3u);
  // Out with the 10 % it had (45 -> 50, 100 -> 90 ml); in with nothing.
  EXPECT_EQ(pg(), "50");
  EXPECT_EQ(amount(), "90");
}

TEST_F(Handlers, GotFocusKeepsThePreviousValueOfATextThatIsNoNumber) {
  frm_Main_txt_Aroma_Menge_GotFocus(app(), 1);
  EXPECT_EQ(app().conv.Aroma_Menge_Alt[1], 10);
  f().aroma[1].txt_Aroma_Menge->setText("abc");
  frm_Main_txt_Aroma_Menge_GotFocus(app(), 1);
  EXPECT_EQ(app().conv.Aroma_Menge_Alt[1], 10);
  // Rows outside 1 to 7 store nothing.
  EXPECT_NO_THROW(frm_Main_txt_Aroma_Menge_GotFocus(app(), 0));
  EXPECT_NO_THROW(frm_Main_txt_Aroma_Menge_GotFocus(app(), 8));
}

TEST_F(Handlers, OtherRefusalsStillRescaleTheAmount) {
  // The target does not add up before the flavours go in (AH-2): the values
  // stay, the amount is rescaled as always, 90 x 100 / 90 = 100.
  messageBoxesOff(true);
  f().txt_Berechnung_Prozent_VG->setText("40");
  chk_AllAromaProzent_Imitate(app());
  EXPECT_EQ(status(), text(Msg::Msg_AH2_Status));
  EXPECT_EQ(pg(), "50");
  EXPECT_EQ(amount(), "100");
}

}  // namespace
}  // namespace mirl::testing_conv
