#include "shell/app.h"
#include "shell/wiring.h"

namespace mirl {

void wireConversionHandlers(App&) {}

}  // namespace mirl
