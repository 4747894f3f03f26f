#include "shell/application.h"

#include "flavours/flavour_window.h"
#include "shell/info_window.h"
#include "shell/wiring.h"

namespace mirl {

Application::Application(const Config& config) : App(config) {
  wireMainWindow(*this);
  wireFlavourWindow(*this);
  wireInfoWindow(*this);
}

}  // namespace mirl
