#include "model/enable_bases.h"

#include "context/app.h"

namespace mirl {

namespace {

void enableBaseFields(FrmMain& f, int slot, bool enabled) {
  BaseSlot& b = f.basis[static_cast<size_t>(slot)];
  b.txt_Hersteller->setEnabled(enabled);
  b.txt_Preis_100_ml->setEnabled(enabled);
  b.txtl_Preis_Summe->setEnabled(enabled);
  b.txt_Menge->setEnabled(f.liveMode() ? enabled : false);
  b.txt_mg_ml->setEnabled(enabled);
  for (rt::TextBox* t : b.percentFields()) t->setEnabled(enabled);
  b.cbo_Preis->setEnabled(enabled);
}

void enableBaseLabels(FrmMain& f, int slot, bool enabled) {
  BaseSlot& b = f.basis[static_cast<size_t>(slot)];
  b.lbl_Hersteller->setEnabled(enabled);
  b.lbl_Preis_100_ml->setEnabled(enabled);
  b.lbl_Preis_100_ml_Euro->setEnabled(enabled);
  const bool amount = f.liveMode() ? enabled : false;
  b.lbl_Menge->setEnabled(amount);
  b.lbl_Menge_ml->setEnabled(amount);
  b.lbl_mg_ml->setEnabled(enabled);
  for (rt::Label* l : b.percentLabels()) l->setEnabled(enabled);
  b.lbl_Preis_Summe->setEnabled(enabled);
  b.lbl_Preis_Summe_Euro->setEnabled(enabled);
}

}  // namespace

void Basis_Freigabe_Pruefen(App& app, int slot) {
  const bool active = app.main().basis[static_cast<size_t>(slot)].chk->Value() == 1;
  enableBaseFields(app.main(), slot, active);
  enableBaseLabels(app.main(), slot, active);
}

}  // namespace mirl
