#include "context/app.h"

#include <stdexcept>
#include <string>

namespace mirl {

App::App(const Config& config)
    : rt_(*config.host, config.registryFile, config.programFolder), main_(std::make_unique<FrmMain>()) {
  main_->recordDesign();
}

App::~App() = default;

rt::Form& App::addForm(std::unique_ptr<rt::Form> form) {
  form->recordDesign();
  form->setViews(views_);
  others_.push_back(std::move(form));
  return *others_.back();
}

rt::Form* App::otherForm(std::string_view name) const {
  for (const auto& f : others_) {
    if (f->name() == name) return f.get();
  }
  return nullptr;
}

rt::Form* App::findForm(std::string_view name) {
  if (name == main_->name()) return main_.get();
  rt::Form* f = otherForm(name);
  if (f) f->load();
  return f;
}

rt::Form* App::loadedForm(std::string_view name) {
  if (name == main_->name()) return closed_ ? nullptr : main_.get();
  rt::Form* f = otherForm(name);
  return f && f->loaded() ? f : nullptr;
}

rt::Form& App::knownForm(std::string_view name) {
  rt::Form* f = findForm(name);
  if (!f) throw std::logic_error("no window " + std::string(name));
  return *f;
}

bool App::hasForm(std::string_view name) const { return name == main_->name() || otherForm(name) != nullptr; }

bool App::closeForm(std::string_view name) {
  if (name == main_->name()) return requestClose();
  rt::Form* f = otherForm(name);
  return f && f->unload();
}

void App::setViews(rt::FormViews* views) {
  views_ = views;
  main_->setViews(views);
  for (const auto& f : others_) f->setViews(views);
}

void App::start() {
  main_->load();
  main_->setVisible(true);
}

bool App::requestClose() {
  if (closed_) return true;
  // While another window of the program is open over it, the main window
  // cannot be closed.
  if (!main_->Enabled()) return false;
  if (main_->busy()) {
    // A search runs: the solver cancels it and closes the window when the
    // search has returned.
    if (closeDuringSearch) closeDuringSearch(*this);
    return false;
  }
  if (!main_->queryUnload()) return false;
  main_->setVisible(false);
  closed_ = true;
  return true;
}

}  // namespace mirl
