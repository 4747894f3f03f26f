#include "flavours/flavour_resets.h"

#include <string>

#include "context/app.h"
#include "flavours/flavour_checks.h"
#include "flavours/frm_aromen.h"
#include "model/quantity_lists.h"
#include "runtime/host.h"

namespace mirl {

namespace {

// The question (Yes and No, no icon); on Yes the reset, then the refresh.
template <class Reset>
void askThenReset(App& app, Msg text, Msg title, Reset reset) {
  if (app.host().messageBox(app.texts[text], rt::mb::YesNo, app.texts[title]) != rt::mb::Yes) return;
  reset();
  Aromen_Fenster_Aktualisieren(app);
}

}  // namespace

void Aroma_Zuruecksetzen(App& app, int k) {
  FlavourWindowRow& r = frmAromen(app).row[k];
  r.txt_Bezeichnung->setText("Aroma " + std::to_string(k));
  r.txt_Aroma->setText("100");
  for (rt::TextBox* t : {r.txt_N, r.txt_PG, r.txt_VG, r.txt_W, r.txt_S}) t->setText("0");
  r.txt_Preis->setText("1,77");
  // An empty list cannot select its first entry; it stays as it is.
  if (r.cbo_Preis->ListCount() > kQuantity1ml) r.cbo_Preis->setListIndex(kQuantity1ml);
  r.chk_Activate->setValue(0);
}

void Alle_Aromen_Zuruecksetzen(App& app) {
  for (int k : kFlavourRowNumbers) Aroma_Zuruecksetzen(app, k);
}

void Aromen_Dosierung_Zuruecksetzen(App& app) {
  for (FlavourWindowRow& r : frmAromen(app).row) r.txt_Aroma_in_Basis->setText("0");
}

void frm_Aromen_btn_Reset_Click(App& app, int k) {
  if (!FlavourRows<int>::valid(k)) return;
  askThenReset(app, Msg::Msg_Aroma_Reset_Text, Msg::Msg_Aroma_Reset_Titel, [&] { Aroma_Zuruecksetzen(app, k); });
}

void frm_Aromen_btn_Reset_All_Click(App& app) {
  askThenReset(app, Msg::Msg_Alle_Aromen_Reset_Text, Msg::Msg_Alle_Aromen_Reset_Titel,
               [&] { Alle_Aromen_Zuruecksetzen(app); });
}

void frm_Aromen_btn_Reset_Dosierung_Click(App& app) {
  askThenReset(app, Msg::Msg_Aromen_Null_Text, Msg::Msg_Aromen_Null_Titel, [&] { Aromen_Dosierung_Zuruecksetzen(app); });
}

}  // namespace mirl
