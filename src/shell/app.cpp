#include "shell/app.h"

#include "shell/lifecycle.h"
#include "shell/wiring.h"

namespace mirl {

App::App(const Config& config)
    : rt_(*config.host, config.registryFile, config.programFolder), main_(std::make_unique<FrmMain>()) {
  wireMainWindow(*this);
}

App::~App() = default;

void App::start() {
  frm_Main_Form_Load(*this);
  main_->setVisible(true);
}

bool App::requestClose() {
  if (closed_) return true;
  if (main_->busy()) {
    // A search runs: cancel it; the window closes when the search returns.
    solver.Berechnung_Abbrechen = true;
    closePending = true;
    return false;
  }
  int cancel = 0;
  frm_Main_Form_Unload(*this, cancel);
  if (cancel != 0) return false;
  main_->setVisible(false);
  closed_ = true;
  return true;
}

}  // namespace mirl
