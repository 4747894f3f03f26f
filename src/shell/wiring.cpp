#include "shell/wiring.h"

namespace mirl {

void wireMainWindow(App& app) {
  wireModelHandlers(app);
  wireLiveHandlers(app);
  wireConversionHandlers(app);
  wireSolverHandlers(app);
  wireShellHandlers(app);
}

}  // namespace mirl
