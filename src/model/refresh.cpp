#include "model/refresh.h"

#include "context/app.h"
#include "model/base_prices.h"
#include "model/enable_bases.h"
#include "model/enable_modes.h"
#include "model/group_frames.h"
#include "model/live.h"
#include "model/sum_checks.h"
#include "model/validators.h"
#include "solver/direct_solution.h"

namespace mirl {

// Every step on every call, in this order: the enable rules read the tick
// boxes and the mode; the fields are normalised before anything reads a
// number from them; the colours come last because they read the enabled
// states and every value written before.
void Anzeige_Aktualisieren(App& app) {
  ++app.refreshCount;
  FrmMain& f = app.main();

  // 1. Enable rules of the six base groups.
  for (int s = 0; s < kBaseSlots; ++s) Basis_Freigabe_Pruefen(app, s);

  // 2. Group captions and frames.
  Gruppe_N_Basis_Freigabe_Pruefen(app);
  Gruppe_Basis_Freigabe_Pruefen(app);
  Gruppe_Aromen_Freigabe_Pruefen(app);

  // 3. Base fields: strength, the four percentages, the amount.
  for (BaseSlot& b : f.basis) {
    Eingabe_Pruefen_Nikotin(*b.txt_mg_ml);
    for (rt::TextBox* t : b.percentFields()) Eingabe_Pruefen_Prozent(*t);
    Eingabe_Pruefen_Menge(*b.txt_Menge);
  }

  // 4. Base prices.
  for (BaseSlot& b : f.basis) Eingabe_Pruefen_Preis(*b.txt_Preis_100_ml);

  // 5. and 6. Flavour percentages, then flavour millilitres.
  for (int k : kFlavourRowNumbers) Eingabe_Pruefen_Prozent(*f.aroma[k].txt_Aroma_Menge);
  for (int k : kFlavourRowNumbers) {
    Eingabe_Pruefen_Aroma_ml(*f.aroma[k].txt_Aroma_Menge_ml);
  }

  // 7. Flavour rows and the pure-flavour share.
  Aromen_Freigabe_Aktualisieren(app);

  // 8. Target.
  const auto target = f.targetFields();
  Eingabe_Pruefen_Nikotin(*target[0]);
  for (std::size_t i = 1; i < target.size(); ++i) Eingabe_Pruefen_Prozent(*target[i]);
  Eingabe_Pruefen_Menge(*f.txt_Berechnung_Menge);

  // 9. Sums-to-100 checks: bases, target, flavours.
  for (int s = 0; s < kBaseSlots; ++s) Basis_Summe_Pruefen(app, s);
  Berechnung_Summe_Pruefen(app);
  Aromen_Summe_Pruefen(app);

  // 10. Direct-solution offer (sets the calculate button's caption only).
  Schnell_Loesung_Berechnen(app, false);

  // 11. Prices of the base amounts.
  Basis_Preis_Summen_Berechnen(app);

  // 12. Calculation panel or live panel.
  Modus_Freigabe_Aktualisieren(app);

  // 13. to 17. Live analysis and panel prices.
  Live_Menge_Summieren(app);
  Preis_Berechnen_Live(app);
  Live_Analyse_Aktualisieren(app);
  Preis_Berechnen_Berechnung(app);
  Live_Viskositaet_Berechnen(app);

  // 18. Background colours.
  Hintergrundfarben_Setzen(app);
}

}  // namespace mirl
