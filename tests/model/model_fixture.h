#pragma once
// A started application for the model's tests, with helpers to set fields
// and run the master refresh.
#include <gtest/gtest.h>

#include <string>

#include "model/refresh.h"
#include "support/message_table.h"
#include "testkit/test_app.h"

namespace mirl::testing_model {

class ModelTest : public ::testing::Test {
 protected:
  ModelTest() { useTexts(Language::German); }

  App& app() { return t.app(); }
  FrmMain& f() { return t.main(); }
  BaseSlot& base(int s) { return f().basis[static_cast<size_t>(s)]; }
  FlavourRow& row(int k) { return f().aroma[k]; }

  void useTexts(Language lang) {
    for (int m = 0; m < kMessageCount; ++m) {
      app().texts.set(static_cast<Msg>(m), MessageTable::textOf(static_cast<Msg>(m), lang));
    }
  }
  void refresh() { Anzeige_Aktualisieren(app()); }
  // Selects a mode as code does (its Click runs a refresh).
  void liveMode(bool live) { f().opt_Berechnungsauswahl[live ? 1 : 0]->setValue(true); }
  void tickSilently(rt::CheckBox* c, int v) { c->setValueSilently(v); }
  void basePercents(int s, const std::string& pg, const std::string& vg, const std::string& w,
                    const std::string& other, const std::string& mgml = "0") {
    base(s).txt_PG_Prozent->setText(pg);
    base(s).txt_VG_Prozent->setText(vg);
    base(s).txt_Wasser_Prozent->setText(w);
    base(s).txt_Sonst_Prozent->setText(other);
    base(s).txt_mg_ml->setText(mgml);
  }

  testkit::TestApp t;
};

}  // namespace mirl::testing_model
