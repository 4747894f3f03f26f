// The live total: the millilitres of every ticked base and flavour, and
// whether the mixture may be scaled to the target amount.
#include "context/app.h"
#include "model/field_value.h"
#include "model/live.h"
#include "model/live_math.h"
#include "model/validators.h"
#include "runtime/number.h"

namespace mirl {

void Live_Menge_Summieren(App& app) {
  FrmMain& f = app.main();

  // A ticked row whose amount is no number adds nothing.
  double total = 0;
  for (const BaseSlot& b : f.basis) {
    if (b.chk->Value() != 0) {
      if (auto m = fieldNumber(*b.txt_Menge)) live::assignFinite(total, total + *m);
    }
  }
  for (int k : kFlavourRowNumbers) {
    const FlavourRow& r = f.aroma[k];
    if (r.chk_Aroma->Value() != 0) {
      if (auto m = fieldNumber(*r.txt_Aroma_Menge_ml)) live::assignFinite(total, total + *m);
    }
  }

  f.txt_Live_Menge->setText(rt::num::plain(total));
  Eingabe_Pruefen_Menge(*f.txt_Live_Menge);
  // The viscosity is recomputed later in the refresh; here it is only kept
  // in its normalised form.
  Eingabe_Pruefen_Menge(*f.txt_Vis_Summe);

  // Scaling to the target amount needs a mixture and live-analysis mode.
  if (auto shown = fieldNumber(*f.txt_Live_Menge)) {
    f.btn_Misch_Zu_Menge->setEnabled(*shown != 0 && !f.calculationMode());
  }
}

}  // namespace mirl
