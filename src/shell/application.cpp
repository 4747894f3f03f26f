#include "shell/application.h"

#include "flavours/flavour_window_wiring.h"
#include "shell/file_texts.h"
#include "shell/info_window_wiring.h"
#include "shell/wiring.h"

namespace mirl {

Application::Application(const Config& config) : App(config) {
  wireMainWindow(*this);
  wireFileTexts(main(), wireFlavourWindow(*this));
  wireInfoWindow(*this);
}

}  // namespace mirl
