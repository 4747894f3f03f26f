#include "shell/wiring.h"

#include "conversions/conversion_wiring.h"
#include "model/model_wiring.h"
#include "solver/solver_wiring.h"

namespace mirl {

void wireMainWindow(App& app) {
  wireModelHandlers(app);
  wireLiveHandlers(app);
  wireConversionHandlers(app);
  wireSolverHandlers(app);
  wireShellHandlers(app);
}

}  // namespace mirl
