#include "shell/app.h"
#include "shell/wiring.h"

namespace mirl {

void wireLiveHandlers(App&) {}

}  // namespace mirl
