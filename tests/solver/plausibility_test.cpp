#include <gtest/gtest.h>

#include "solver/plausibility.h"
#include "solver_fixture.h"

namespace mirl::solvertest {
namespace {

class Plausibility : public SolverTest {
 protected:
  void strengths(const std::vector<std::pair<BaseSlotId, std::string>>& ticked) {
    for (const auto& [slot, mg] : ticked) base(slot, {mg, "100", "0"});
  }
  // The status text after the check, or "" when it let the search go on.
  std::string check(const std::string& targetMg, const std::string& amount = "100") {
    target(amount, targetMg, "100", "0");
    messageBoxes(false);
    clearStatus();
    return Nikotin_Basen_Pruefen(app()) ? status() : "";
  }
  void clearStatus() { w().StatusBar1->setPanelText(1, ""); }
};

TEST_F(Plausibility, TargetMustLieWithinTheTickedStrengths) {
  strengths({{PG_N_Basis, "20"}, {PG_Basis, "0"}});
  EXPECT_EQ(check("0"), "");
  EXPECT_EQ(check("20"), "");
  EXPECT_EQ(check("20,1"), text(Msg::Msg_N_Zu_Hoch_Status));
  // An unticked stronger base does not count.
  w().basis[VG_N_Basis].txt_mg_ml->setText("36");
  EXPECT_EQ(check("20,1"), text(Msg::Msg_N_Zu_Hoch_Status));
}

TEST_F(Plausibility, OneStrengthOnlyAllowsExactlyThatStrength) {
  strengths({{PG_N_Basis, "20"}, {VG_N_Basis, "20"}});
  EXPECT_EQ(check("20"), "");
  EXPECT_EQ(check("18"), text(Msg::Msg_Ein_Nwert_Status));
  for (auto& b : w().basis) b.chk->setValueSilently(0);
  strengths({{PG_Basis, "0"}, {VG_Basis, "0"}});
  EXPECT_EQ(check("0"), "");
  EXPECT_EQ(check("3"), text(Msg::Msg_Ein_Nwert_Status));
}

TEST_F(Plausibility, AmountIsCheckedOnlyAfterTheStrengths) {
  strengths({{PG_N_Basis, "20"}, {PG_Basis, "0"}});
  EXPECT_EQ(check("10", "2"), "");
  EXPECT_EQ(check("10", "1,99"), text(Msg::Msg_Menge_Zu_Klein_Status));
  EXPECT_EQ(check("25", "1,99"), text(Msg::Msg_N_Zu_Hoch_Status));
}

}  // namespace
}  // namespace mirl::solvertest
