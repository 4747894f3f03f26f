#include "gui/windows.h"

#include <QCloseEvent>
#include <QWidget>
#include <algorithm>

#include "context/app.h"
#include "flavours/frm_aromen.h"
#include "gui/flavour_window.h"
#include "gui/form_binding.h"
#include "gui/info_window.h"
#include "gui/main_window.h"
#include "shell/frm_info.h"

namespace mirl::gui {

namespace {

void releaseBinding(rt::Form& form) {
  if (auto* binding = dynamic_cast<FormBinding*>(form.observer())) binding->release();
}

}  // namespace

Windows::Windows(App& app) : app_(app) {
  add(app.main().name(), [](App& a, rt::Form&) { return std::make_unique<MainWindow>(a); });
  add(std::string(kFlavourWindow),
      [](App& a, rt::Form& f) { return std::make_unique<FlavourWindow>(a, static_cast<FrmAromen&>(f)); });
  add(std::string(kInfoWindow), [](App&, rt::Form& f) { return std::make_unique<InfoWindow>(static_cast<FrmInfo&>(f)); });
  app_.setViews(this);
}

Windows::~Windows() {
  app_.setViews(nullptr);
  for (const Shown& s : windows_) {
    releaseBinding(*s.form);
    delete s.window;
  }
}

void Windows::add(const std::string& formName, Maker make) { makers_[formName] = std::move(make); }

QWidget* Windows::window(const rt::Form& form) const {
  for (const Shown& s : windows_) {
    if (s.form == &form) return s.window;
  }
  return nullptr;
}

void Windows::formShowing(rt::Form& form) {
  if (window(form)) return;
  auto maker = makers_.find(form.name());
  if (maker == makers_.end()) return;
  QWidget* w = maker->second(app_, form).release();
  w->installEventFilter(this);
  windows_.push_back({&form, w});
}

void Windows::formUnloading(rt::Form& form) {
  auto it = std::find_if(windows_.begin(), windows_.end(), [&](const Shown& s) { return s.form == &form; });
  if (it == windows_.end()) return;
  QWidget* w = it->window;
  windows_.erase(it);
  releaseBinding(form);
  w->removeEventFilter(this);
  w->hide();
  // The unload may run inside an event of this very window.
  w->deleteLater();
}

bool Windows::eventFilter(QObject* o, QEvent* e) {
  if (e->type() != QEvent::Close) return false;
  for (const Shown& s : windows_) {
    if (s.window != o) continue;
    e->setAccepted(userClose(app_, *s.form));
    return true;
  }
  return false;
}

bool userClose(App& app, rt::Form& form) { return form.Enabled() && app.closeForm(form.name()); }

}  // namespace mirl::gui
