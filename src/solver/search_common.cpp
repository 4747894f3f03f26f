#include "solver/search_common.h"

#include "context/app.h"
#include "model/field_value.h"

namespace mirl {

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

void readBaseComposition(const BaseSlot& slot, Basis_Datensatz& rec) {
  if (auto v = fieldNumber(*slot.txt_mg_ml)) rec.N_Prozent = *v / 10;
  readField(*slot.txt_PG_Prozent, rec.PG_Prozent);
  readField(*slot.txt_VG_Prozent, rec.VG_Prozent);
  readField(*slot.txt_Wasser_Prozent, rec.Wasser_Prozent);
  readField(*slot.txt_Sonst_Prozent, rec.Sonst_Prozent);
}

}  // namespace mirl
