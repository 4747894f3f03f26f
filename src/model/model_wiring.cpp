#include "shell/app.h"
#include "shell/wiring.h"

namespace mirl {

void wireModelHandlers(App&) {}

}  // namespace mirl
