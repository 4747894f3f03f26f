// The form's menu items as a Qt menu bar: an item with children is a menu
// (or submenu), "-" is a separator, any other item an action. Access keys
// ("&") and shortcuts ("Ctrl+O") come from the items.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "gui/form_binding.h"

namespace mirl::gui {

namespace {

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

void FormBinding::bindMenuBar(QMenuBar& bar) {
  std::vector<rt::MenuItem*> items;
  std::unordered_map<const rt::MenuItem*, bool> hasChildren;
  for (const auto& c : form_.controls()) {
    if (c->kind() != rt::ControlKind::Menu) continue;
    auto* m = static_cast<rt::MenuItem*>(c.get());
    items.push_back(m);
    if (m->parent()) hasChildren[m->parent()] = true;
  }
  watch(bar);
  for (rt::MenuItem* m : items) {
    QMenu* parentMenu = nullptr;
    if (m->parent()) {
      auto it = menus_.find(m->parent());
      if (it == menus_.end() || !it->second) continue;
      parentMenu = it->second;
    }
    QAction* action = nullptr;
    if (hasChildren[m]) {
      QMenu* menu = parentMenu ? parentMenu->addMenu(QString()) : bar.addMenu(QString());
      menu->setObjectName(qs(m->fullName()));
      watch(*menu);
      menus_[m] = menu;
      action = menu->menuAction();
      // Opening a menu is its click.
      connect(menu, &QMenu::aboutToShow, this, [this, m] { onMenu(*m); });
    } else if (m->isSeparator()) {
      action = parentMenu ? parentMenu->addSeparator() : bar.addSeparator();
    } else {
      action = parentMenu ? parentMenu->addAction(QString()) : bar.addAction(QString());
      if (!m->shortcut().empty()) {
        action->setShortcut(QKeySequence::fromString(qs(m->shortcut()), QKeySequence::PortableText));
      }
      connect(action, &QAction::triggered, this, [this, m] { onMenu(*m); });
    }
    action->setObjectName(qs(m->fullName()));
    actions_[m] = action;
    syncMenu(*m);
  }
}

void FormBinding::syncMenu(const rt::MenuItem& m) {
  QAction* a = action(&m);
  if (!a) return;
  Syncing s(syncing_);
  if (!m.isSeparator()) a->setText(qs(m.Caption()));
  a->setEnabled(m.Enabled());
  a->setVisible(m.Visible());
  if (menus_.count(&m) == 0 && !m.isSeparator()) {
    // Only a checked item shows a check mark; Qt toggles a checkable action
    // itself, so the mark is always set back from the model.
    a->setCheckable(m.Checked());
    a->setChecked(m.Checked());
  }
}

}  // namespace mirl::gui
