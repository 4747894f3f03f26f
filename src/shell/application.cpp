#include "shell/application.h"

#include "shell/wiring.h"

namespace mirl {

Application::Application(const Config& config) : App(config) { wireMainWindow(*this); }

}  // namespace mirl
