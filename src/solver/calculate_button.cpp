#include "solver/calculate_button.h"

#include "context/app.h"
#include "model/live.h"
#include "solver/approximation.h"
#include "solver/direct_solution.h"
#include "solver/hit_search.h"
#include "solver/proposals.h"
#include "solver/show_proposal.h"
#include "solver/solver_messages.h"

namespace mirl {

namespace {

void focusNextIfEnabled(FrmMain& w) {
  if (w.btn_R->Enabled()) w.btn_R->SetFocus();
}

// A close requested while the search ran is carried out once it has
// returned.
void closeIfPending(App& app) {
  if (app.solver.closePending && !app.solver.searchRunning) {
    app.solver.closePending = false;
    app.requestClose();
  }
}

}  // namespace

void frm_Main_btn_Berechnung_Click(App& app) {
  FrmMain& w = app.main();
  SolverState& st = app.solver;
  const std::string caption = w.btn_Berechnung->Caption();

  // While a search runs, every click on the button cancels it, whatever the
  // caption reads by then (a second click in the same pass must not start
  // another search inside the running one).
  bool searched = false;
  if (!st.searchRunning && caption == app.texts[Msg::Text_Btn_Berechnen]) {
    st.Berechnung_Abbrechen = false;
    setCalcButton(app, Msg::Text_Btn_Abbrechen);
    Berechnung_Treffersuche(app);
    focusNextIfEnabled(w);
    st.Berechnung_Abbrechen = false;
    searched = true;
  } else if (!st.searchRunning && caption == app.texts[Msg::Text_Btn_Schnell_Loesung]) {
    Schnell_Loesung_Berechnen(app, true);
  } else if (!st.searchRunning && caption == app.texts[Msg::Text_Btn_Annaeherung]) {
    st.Berechnung_Abbrechen = false;
    setCalcButton(app, Msg::Text_Btn_Abbrechen);
    st.Vorschlaege_Vorhanden = Annaeherung_Suche_V1(app);
    w.setMousePointer(rt::pointer::Default);
    setCalcButton(app, Msg::Text_Btn_Berechnen);
    focusNextIfEnabled(w);
    searched = true;
  } else {
    st.Berechnung_Abbrechen = true;
    setCalcButton(app, Msg::Text_Btn_Berechnen);
  }

  Live_Menge_Summieren(app);
  Live_Analyse_Aktualisieren(app);
  Hintergrundfarben_Setzen(app);

  if (searched) closeIfPending(app);
}

void frm_Main_btn_L_Click(App& app) {
  FrmMain& w = app.main();
  SolverState& st = app.solver;
  if (st.Vorschlag_Index <= 0) {
    w.btn_L->setEnabled(false);
    return;
  }
  st.Vorschlag_Index = st.Vorschlag_Index - 1;
  Vorschlag_Anzeigen(app, st.Vorschlagsliste, listIndex(st.Vorschlag_Index));
  if (st.Vorschlag_Index == 0) w.btn_L->setEnabled(false);
}

void frm_Main_btn_R_Click(App& app) {
  FrmMain& w = app.main();
  SolverState& st = app.solver;
  if (st.Vorschlag_Index < st.Vorschlag_Letzter_Index) {
    st.Vorschlag_Index = st.Vorschlag_Index + 1;
    Vorschlag_Anzeigen(app, st.Vorschlagsliste, listIndex(st.Vorschlag_Index));
    if (st.Vorschlag_Index == st.Vorschlag_Letzter_Index) w.btn_R->setEnabled(false);
  } else {
    w.btn_R->setEnabled(false);
  }
}

}  // namespace mirl
