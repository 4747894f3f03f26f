#include "model/enable_modes.h"

#include "context/app.h"
#include "model/flavour_sums.h"
#include "runtime/number.h"

namespace mirl {

namespace {

template <class... C>
void enableAll(bool enabled, C*... controls) {
  (controls->setEnabled(enabled), ...);
}

}  // namespace

void Aromen_Freigabe_Aktualisieren(App& app) {
  FrmMain& f = app.main();
  const bool live = f.liveMode();
  for (int k : kFlavourRowNumbers) {
    FlavourRow& r = f.aroma[k];
    if (r.chk_Aroma->Value() != 0) {
      enableAll(live, r.txt_Aroma_Menge_ml, r.lbl_Aroma_Mengenbezeichnung_ml);
      enableAll(!live, r.txt_Aroma_Menge, r.lbl_Aroma_Mengenbezeichnung);
      enableAll(true, r.txt_Aroma_Kommentar, r.txt_Aroma_Preis, r.lbl_Aroma_Preis_je, r.lbl_Aroma_Preis_Euro,
                r.cbo_Aroma_Preis_Menge);
    } else {
      enableAll(false, r.txt_Aroma_Kommentar, r.txt_Aroma_Menge_ml, r.lbl_Aroma_Mengenbezeichnung_ml,
                r.txt_Aroma_Menge, r.lbl_Aroma_Mengenbezeichnung, r.txt_Aroma_Preis, r.lbl_Aroma_Preis_je,
                r.lbl_Aroma_Preis_Euro, r.cbo_Aroma_Preis_Menge);
    }
  }
  f.txt_AllAromaProzent->setEnabled(false);
  f.txt_AllAromaProzent->setText(rt::num::plain(Summe_Reinaroma_Prozent_Anzeige(app)));
}

void Modus_Freigabe_Aktualisieren(App& app) {
  const bool calc = !app.main().liveMode();
  Berechnung_Beschriftungen_Freigeben(app, calc);
  Berechnung_Felder_Freigeben(app, calc);
  Live_Beschriftungen_Freigeben(app, !calc);
  Live_Felder_Freigeben(app, !calc);
}

void Berechnung_Beschriftungen_Freigeben(App& app, bool enabled) {
  FrmMain& f = app.main();
  enableAll(enabled, f.lbl_Berechnung_Mischungsverhaeltnis, f.lbl_Berechnung_Prozent_N,
            f.lbl_Berechnung_Prozent_PG, f.lbl_Berechnung_Prozent_VG, f.lbl_Berechnung_Prozent_Wasser,
            f.lbl_Berechnung_Prozent_Sonst, f.lbl_Berechnung_Menge, f.lbl_Berechnung_Menge_ml,
            f.lbl_Berechnung_Zusatzkosten, f.lbl_Berechnung_Zusatzkosten_Euro, f.lbl_Berechnung_Preis,
            f.lbl_Berechnung_Preis_Berechnung_Euro, f.lbl_Berechnung_Preis_Gesamt,
            f.lbl_Berechnung_Preis_Gesamt_Euro);
  f.lbl_Berechnung_AllAromen_Prozent->setEnabled(f.flavourShareInside() ? enabled : false);

  // Proposal counter: "Vorschlag 3 / 12" while a list is present.
  const SolverState& s = app.solver;
  std::string caption = app.texts[Msg::Text_Vorschlag];
  if (s.Vorschlaege_Vorhanden) {
    caption += rt::num::plain(s.Vorschlag_Index + 1) + " / " + rt::num::plain(s.Vorschlag_Letzter_Index + 1);
  }
  f.lbl_TopTen->setCaption(caption);
  f.lbl_TopTen->setEnabled(s.Vorschlaege_Vorhanden ? enabled : false);
}

void Berechnung_Felder_Freigeben(App& app, bool enabled) {
  FrmMain& f = app.main();
  for (rt::TextBox* t : f.targetFields()) t->setEnabled(enabled);
  enableAll(enabled, f.txt_Berechnung_Menge, f.txt_Berechnung_Preis, f.txt_Berechnung_Zusatzkosten,
            f.txt_Berechnung_Preis_Gesamt);
  f.txt_AllAromaProzent->setEnabled(f.flavourShareInside() ? enabled : false);
  enableAll(enabled, f.chk_AllAromaProzent, f.btn_Berechnung, f.cbo_Preis_Berechnung);

  // Paging only in calculation mode, and only where there is a proposal to
  // page to.
  const SolverState& s = app.solver;
  f.btn_L->setEnabled(enabled && s.Vorschlaege_Vorhanden && s.Vorschlag_Index > 0);
  f.btn_R->setEnabled(enabled && s.Vorschlaege_Vorhanden && s.Vorschlag_Index < s.Vorschlag_Letzter_Index);
}

void Live_Beschriftungen_Freigeben(App& app, bool enabled) {
  FrmMain& f = app.main();
  enableAll(enabled, f.lbl_Live_Aroma, f.lbl_Live_Aroma_Prozent, f.lbl_Live_N, f.lbl_Live_PG, f.lbl_Live_VG,
            f.lbl_Live_Wasser, f.lbl_Live_Sonstiges, f.lbl_Live_Menge, f.lbl_Live_Menge_ml,
            f.lbl_Live_Preis_Zusatzkosten, f.lbl_Live_Preis_Zusatzkosten_Euro, f.lbl_Live_Preis_Summe,
            f.lbl_Live_Preis_Summe_Euro, f.lbl_Live_Preis, f.lbl_Live_Preis_Euro, f.lbl_Live_Viskositaet_mPas,
            f.lbl_Live_Viskositaet);
}

void Live_Felder_Freigeben(App& app, bool enabled) {
  FrmMain& f = app.main();
  enableAll(enabled, f.txt_Live_Aroma, f.txt_Live_N, f.txt_Live_PG, f.txt_Live_VG, f.txt_Live_Wasser,
            f.txt_Live_Sonstiges, f.txt_Live_Menge, f.txt_Live_Preis_Zusatzkosten, f.txt_Live_Preis_Summe,
            f.txt_Live_Preis, f.txt_Vis_Summe, f.cbo_Preis_Live, f.btn_Live_Mix_100ml);
}

}  // namespace mirl
