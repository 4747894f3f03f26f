#include "shell/app.h"
#include "shell/wiring.h"

namespace mirl {

void wireShellHandlers(App&) {}

}  // namespace mirl
