#include "shell/app.h"

#include "shell/lifecycle.h"
#include "shell/wiring.h"

namespace mirl {

namespace {

// The windows of the application: how to reach each one (load: load it when
// it loads on first access) and how the user closes it.
struct Window {
  std::string_view name;
  rt::Form* (*get)(App& app, bool load);
  bool (*close)(App& app);
};

const Window kWindows[] = {
    {"frm_Main", [](App& a, bool load) -> rt::Form* { return load || !a.closed() ? &a.main() : nullptr; },
     [](App& a) { return a.requestClose(); }},
};

const Window* findWindow(std::string_view name) {
  for (const Window& w : kWindows) {
    if (w.name == name) return &w;
  }
  return nullptr;
}

}  // namespace

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

rt::Form* App::findForm(std::string_view name) {
  const Window* w = findWindow(name);
  return w ? w->get(*this, true) : nullptr;
}

rt::Form* App::loadedForm(std::string_view name) {
  const Window* w = findWindow(name);
  return w ? w->get(*this, false) : nullptr;
}

bool App::hasForm(std::string_view name) { return findWindow(name) != nullptr; }

bool App::closeForm(std::string_view name) {
  const Window* w = findWindow(name);
  return w && w->close(*this);
}

}  // namespace mirl
