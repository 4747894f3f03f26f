#include "context/app.h"
#include "solver/calculate_button.h"
#include "solver/solver_wiring.h"

namespace mirl {

void wireSolverHandlers(App& app) {
  FrmMain& w = app.main();
  w.btn_Berechnung->onClick = [&app] { frm_Main_btn_Berechnung_Click(app); };
  w.btn_L->onClick = [&app] { frm_Main_btn_L_Click(app); };
  w.btn_R->onClick = [&app] { frm_Main_btn_R_Click(app); };
  app.closeDuringSearch = [](App& a) {
    a.solver.Berechnung_Abbrechen = true;
    a.solver.closePending = true;
  };
}

}  // namespace mirl
