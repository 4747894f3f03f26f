#include "model/enable_bases.h"
#include "model/group_frames.h"
#include "model_fixture.h"

namespace mirl::testing_model {
namespace {

using EnableRules = ModelTest;

// What the refresh leaves of one base group.
struct BaseCase {
  int tick;
  bool live;
  bool amount;  // amount field and its two labels
  bool others;  // every other field, label and the price list
};

TEST_F(EnableRules, BaseGroupFollowsTickAndMode) {
  const BaseCase cases[] = {
      {1, false, false, true},
      {1, true, true, true},
      {0, false, false, false},
      {0, true, false, false},
      {2, true, false, false},  // only the value 1 activates a base
  };
  for (const BaseCase& c : cases) {
    for (int s = 0; s < kBaseSlots; ++s) tickSilently(base(s).chk, c.tick);
    liveMode(c.live);
    refresh();
    for (int s = 0; s < kBaseSlots; ++s) {
      SCOPED_TRACE("slot " + std::to_string(s) + " tick " + std::to_string(c.tick) + " live " +
                   std::to_string(c.live));
      BaseSlot& b = base(s);
      EXPECT_EQ(b.txt_Menge->Enabled(), c.amount);
      EXPECT_EQ(b.lbl_Menge->Enabled(), c.amount);
      EXPECT_EQ(b.lbl_Menge_ml->Enabled(), c.amount);
      for (rt::Control* x : std::initializer_list<rt::Control*>{
               b.txt_Hersteller, b.lbl_Hersteller, b.txt_mg_ml, b.lbl_mg_ml, b.txt_PG_Prozent, b.txt_VG_Prozent,
               b.txt_Wasser_Prozent, b.txt_Sonst_Prozent, b.lbl_PG_Prozent, b.lbl_VG_Prozent,
               b.lbl_Wasser_Prozent, b.lbl_Sonst_Prozent, b.txt_Preis_100_ml, b.lbl_Preis_100_ml,
               b.lbl_Preis_100_ml_Euro, b.cbo_Preis, b.txtl_Preis_Summe, b.lbl_Preis_Summe,
               b.lbl_Preis_Summe_Euro}) {
        EXPECT_EQ(x->Enabled(), c.others) << x->fullName();
      }
      EXPECT_TRUE(b.chk->Enabled());
    }
  }
}

TEST_F(EnableRules, FramesFollowTheirMembersNotTheMode) {
  for (int s = 0; s < kBaseSlots; ++s) tickSilently(base(s).chk, 0);
  for (int k : kFlavourRowNumbers) tickSilently(row(k).chk_Aroma, 0);
  tickSilently(base(VG_Basis).chk, 1);
  for (bool live : {false, true}) {
    liveMode(live);
    refresh();
    EXPECT_FALSE(f().lbl_Main_N_Basis->Enabled());
    EXPECT_TRUE(f().lbl_Main_Basis->Enabled());
    EXPECT_FALSE(f().lbl_Aromen->Enabled());
    for (auto& edge : f().lineBases) {
      EXPECT_EQ(edge[0]->BorderStyle(), kLineDotted);
      EXPECT_EQ(edge[1]->BorderStyle(), kLineSolid);
    }
    for (rt::Line* l : f().lineAromen) EXPECT_EQ(l->BorderStyle(), kLineDotted);
  }

  // Any value but 0 counts for a frame, also a grey tick box.
  tickSilently(row(6).chk_Aroma, 2);
  tickSilently(base(VPG_N_Basis).chk, 1);
  refresh();
  EXPECT_TRUE(f().lbl_Aromen->Enabled());
  EXPECT_TRUE(f().lbl_Main_N_Basis->Enabled());
  for (rt::Line* l : f().lineAromen) EXPECT_EQ(l->BorderStyle(), kLineSolid);
  EXPECT_EQ(f().lineBases[4][0]->BorderStyle(), kLineSolid);

  tickSilently(row(6).chk_Aroma, 0);
  refresh();
  EXPECT_FALSE(f().lbl_Aromen->Enabled());
  EXPECT_EQ(f().lineAromen[0]->BorderStyle(), kLineDotted);
}

}  // namespace
}  // namespace mirl::testing_model
