#pragma once
// A started application with helpers to set up bases and target as code
// writes them, and to watch the message loop of a search.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "context/app.h"
#include "model/refresh.h"
#include "testkit/test_app.h"

namespace mirl::solvertest {

struct Base {
  std::string mg = "0", pg = "0", vg = "0", wasser = "0", sonst = "0", preis = "0";
};

class SolverTest : public ::testing::Test {
 protected:
  SolverTest() {
    // Start from no ticked base and no ticked flavour.
    for (auto& b : w().basis) b.chk->setValue(0);
    app().loop().setHook([this](std::uint64_t pass) {
      auto it = atPass_.find(pass);
      if (it != atPass_.end()) it->second();
    });
  }

  App& app() { return t_.app(); }
  FrmMain& w() { return t_.main(); }
  scenario::ScriptHost& host() { return t_.host(); }

  // Writes a base's fields and ticks it (its click runs the refresh).
  void base(BaseSlotId s, const Base& b) {
    BaseSlot& slot = w().basis[s];
    slot.txt_mg_ml->setText(b.mg);
    slot.txt_PG_Prozent->setText(b.pg);
    slot.txt_VG_Prozent->setText(b.vg);
    slot.txt_Wasser_Prozent->setText(b.wasser);
    slot.txt_Sonst_Prozent->setText(b.sonst);
    slot.txt_Preis_100_ml->setText(b.preis);
    if (slot.chk->Value() == 0) {
      slot.chk->setValue(1);
    } else {
      Anzeige_Aktualisieren(app());
    }
  }

  void target(const std::string& menge, const std::string& n, const std::string& pg, const std::string& vg,
              const std::string& wasser = "0", const std::string& sonst = "0") {
    w().txt_Berechnung_Menge->setText(menge);
    w().txt_Berechnung_Prozent_N->setText(n);
    w().txt_Berechnung_Prozent_PG->setText(pg);
    w().txt_Berechnung_Prozent_VG->setText(vg);
    w().txt_Berechnung_Prozent_Wasser->setText(wasser);
    w().txt_Berechnung_Prozent_Sonst->setText(sonst);
    Anzeige_Aktualisieren(app());
  }

  void messageBoxes(bool on) { w().mnu_Service_MsgBox->setChecked(!on); }

  // PG base priced 5 and VG base priced 7 (per 100 ml).
  void pgAndVgBases() {
    base(PG_Basis, {"0", "100", "0", "0", "0", "5"});
    base(VG_Basis, {"0", "0", "100", "0", "0", "7"});
  }

  // Runs action inside the given pass of the message loop.
  void atPass(std::uint64_t pass, std::function<void()> action) { atPass_[pass] = std::move(action); }

  // A user's click on the calculate button, counting the passes it runs.
  void clickCalculate() {
    app().loop().resetPasses();
    w().userClick(*w().btn_Berechnung);
  }
  std::uint64_t passes() { return app().loop().passes(); }

  std::string status() { return w().StatusBar1->panelText(1); }
  const std::string& caption() { return w().btn_Berechnung->Caption(); }
  std::string text(Msg m) { return app().texts[m]; }
  SolverState& st() { return app().solver; }

 private:
  testkit::TestApp t_;
  std::map<std::uint64_t, std::function<void()>> atPass_;
};

}  // namespace mirl::solvertest
