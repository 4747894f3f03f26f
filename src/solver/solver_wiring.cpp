#include "shell/app.h"
#include "shell/wiring.h"

namespace mirl {

void wireSolverHandlers(App&) {}

}  // namespace mirl
