#pragma once
// A started application for the conversion tests: flavour rows and
// compositions set directly (no click handlers run), the two menu options
// and the message boxes and status line to look at.
#include <gtest/gtest.h>

#include <string>

#include "testkit/test_app.h"

namespace mirl::testing_conv {

class ConversionTest : public ::testing::Test {
 protected:
  ConversionTest() {
    for (int k : kFlavourRowNumbers) row(k, 0, "0");
  }

  App& app() { return t.app(); }
  FrmMain& f() { return t.main(); }
  Aromenzusammensetzung& rec(int k) { return app().flavours.Aromen_Tabelle[k]; }

  // Tick and percentage of flavour row k, without running its handlers.
  void row(int k, int tick, const std::string& percent) {
    FlavourRow& r = f().aroma[k];
    r.chk_Aroma->setValueSilently(tick);
    r.txt_Aroma_Menge->setText(percent);
  }
  void composition(int k, double A, double N, double PG, double VG, double W, double S) {
    rec(k) = Aromenzusammensetzung{A, N, PG, VG, W, S};
  }
  void nicotineOption(bool on) { f().mnu_Service_HundertProzentN->setChecked(on); }
  void messageBoxesOff(bool off) { f().mnu_Service_MsgBox->setChecked(off); }

  std::string status() { return f().StatusBar1->panelText(1); }
  void setStatus(const std::string& s) { f().StatusBar1->setPanelText(1, s); }
  const std::string& text(Msg m) { return app().texts[m]; }

  // The boxes shown since the last call, oldest first, then forgotten.
  std::deque<scenario::ShownMessageBox> takeBoxes() {
    std::deque<scenario::ShownMessageBox> b;
    b.swap(t.host().boxes);
    return b;
  }

  testkit::TestApp t;
};

}  // namespace mirl::testing_conv
