#include "solver/search_common.h"

#include "context/app.h"
#include "conversions/flavour_share.h"
#include "model/flavour_sums.h"
#include "runtime/number.h"
#include "solver/solver_messages.h"

namespace mirl {

bool readSearchTarget(App& app, Basis_Datensatz& t, bool asShown) {
  FrmMain& w = app.main();
  Composition c = readTarget(w);
  t.Menge = c.amount;
  if (!w.flavourShareInside()) {
    takeComposition(c, t);
    return true;
  }
  const double A = Summe_Aromen_Prozent(app);
  const double R = Summe_Reinaroma_Prozent(app);
  if (Aroma_Herausrechnen_AE(app, A, c, R, 0, false).refused()) return false;
  takeComposition(c, t);
  if (asShown) {
    for (double* v : {&t.N_Prozent, &t.PG_Prozent, &t.VG_Prozent, &t.Wasser_Prozent, &t.Sonst_Prozent}) {
      *v = rt::num::rounded(*v, "0.00");
    }
  }
  return true;
}

void endRefused(App& app) {
  app.solver.Berechnung_Abbrechen = true;
  setCalcButton(app, Msg::Text_Btn_Berechnen);
  app.main().setMousePointer(rt::pointer::Default);
}

int partsPerBase(int tickedBases) {
  switch (tickedBases) {
    case 2:
      return 777;
    case 3:
      return 100;
    case 4:
      return 30;
    case 5:
      return 15;
    default:
      return 10;
  }
}

void startProgress(App& app, int N) {
  rt::ProgressBar& bar = *app.main().ProgressBar1;
  bar.setMax(N);
  bar.setValue(bar.Min());
  bar.setVisible(true);
}

void setProgress(App& app, int value) {
  rt::ProgressBar& bar = *app.main().ProgressBar1;
  if (value >= bar.Min() && value <= bar.Max()) bar.setValue(value);
}

SearchLock::SearchLock(App& app)
    : app_(app),
      wasRunning_(app.solver.searchRunning),
      wasBusy_(app.main().busy()),
      wasAllowed_(app.main().busyAllowed()) {
  app.solver.searchRunning = true;
  app.main().setBusy(app.main().btn_Berechnung);
}

SearchLock::~SearchLock() {
  app_.solver.searchRunning = wasRunning_;
  if (wasBusy_) {
    app_.main().setBusy(wasAllowed_);
  } else {
    app_.main().clearBusy();
  }
}

void takeComposition(const Composition& c, Basis_Datensatz& rec) {
  rec.N_Prozent = c.N / 10;
  rec.PG_Prozent = c.PG;
  rec.VG_Prozent = c.VG;
  rec.Wasser_Prozent = c.W;
  rec.Sonst_Prozent = c.S;
}

}  // namespace mirl
