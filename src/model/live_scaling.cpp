// Scaling the live mixture to a new total while keeping its mixing ratio.
#include "context/app.h"
#include "model/field_value.h"
#include "model/live.h"
#include "model/live_handlers.h"
#include "model/live_math.h"
#include "model/refresh.h"
#include "runtime/number.h"

namespace mirl {

namespace {

// The field gets its number × factor as plain decimal text (never exponent
// form, so a tiny amount stays tiny for the normaliser). A field that is no
// number keeps its text.
void scaleField(rt::TextBox& box, double factor) {
  auto ml = fieldNumber(box);
  if (!ml) return;
  double scaled = 0;
  if (live::assignFinite(scaled, *ml * factor)) box.setText(rt::num::plain(scaled));
}

}  // namespace

void Live_Mischung_Auf_Menge(App& app, double amount) {
  FrmMain& f = app.main();

  double target = 0;
  if (amount > 0) {
    target = amount;
  } else {
    readField(*f.txt_Berechnung_Menge, target);
  }
  double liveTotal = 0;
  readField(*f.txt_Live_Menge, liveTotal);
  auto factor = live::divide(target, liveTotal);
  if (!factor) return;

  // Only rows ticked with exactly 1 are scaled; the refresh that follows
  // normalises the rewritten amounts.
  for (const BaseSlot& b : f.basis) {
    if (b.chk->Value() == 1) scaleField(*b.txt_Menge, *factor);
  }
  for (int k : kFlavourRowNumbers) {
    const FlavourRow& r = f.aroma[k];
    if (r.chk_Aroma->Value() == 1) scaleField(*r.txt_Aroma_Menge_ml, *factor);
  }
}

void frm_Main_btn_Live_Mix_100ml_Click(App& app) {
  Live_Mischung_Auf_Menge(app, 100);
  app.model.Live_Mix_Markierung = true;
  Anzeige_Aktualisieren(app);
}

void frm_Main_btn_Misch_Zu_Menge_Click(App& app) {
  Live_Mischung_Auf_Menge(app, 0);
  Anzeige_Aktualisieren(app);
}

}  // namespace mirl
