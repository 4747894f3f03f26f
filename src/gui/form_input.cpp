// The user's input: mouse, keys, typing and menu commands handed to the form
// in the runtime's order, and kept away from the widgets when the form does
// not take it (a disabled window, the busy lock).
#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "gui/form_binding.h"
#include "gui/text_positions.h"

namespace mirl::gui {

namespace {

bool isInput(QEvent::Type t) {
  switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Shortcut:
      return true;
    default:
      return false;
  }
}

bool isPlainTab(const QKeyEvent& k, bool& forward) {
  if (k.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  if (k.key() == Qt::Key_Backtab || (k.key() == Qt::Key_Tab && (k.modifiers() & Qt::ShiftModifier))) {
    forward = false;
    return true;
  }
  if (k.key() == Qt::Key_Tab) {
    forward = true;
    return true;
  }
  return false;
}

}  // namespace

bool FormBinding::dispatch(const std::function<bool()>& action) {
  if (released_) return false;
  ++depth_;
  const bool ok = action();
  --depth_;
  syncFocus();
  if (depth_ == 0 && afterInput) afterInput();
  return ok;
}

void FormBinding::onTyped(rt::TextBox& t, QLineEdit& le) {
  if (syncing_) return;
  const QString typed = le.text();
  const std::string text = typed.toStdString();
  const int caret = charPosition(typed, le.cursorPosition());
  const bool ok = dispatch([&] {
    if (!form_.userType(t, text)) return false;
    // The runtime puts the caret behind the text; keep the user's.
    t.typeText(t.Text(), caret);
    return true;
  });
  if (!ok) syncProp(t, rt::Prop::Text);
}

void FormBinding::onCaretMoved(rt::TextBox& t, const QLineEdit& le) {
  // Only the user's moves in the field that has the focus, over the text
  // the form holds (typing reports its caret itself). What the widget loses
  // as the focus leaves it is not the user's doing.
  if (syncing_ || released_ || form_.focused() != &t || !le.hasFocus()) return;
  const QString text = le.text();
  if (text.toStdString() != t.Text()) return;
  const bool selected = le.hasSelectedText();
  const int start = charPosition(text, selected ? le.selectionStart() : le.cursorPosition());
  const int end = selected ? charPosition(text, le.selectionEnd()) : start;
  t.userSelects(start, end - start);
}

void FormBinding::onClicked(rt::Control& c) {
  if (syncing_) return;
  dispatch([&] { return form_.userClick(c); });
  // The model decides the check mark; show what it holds.
  syncProp(c, rt::Prop::Value);
}

void FormBinding::onSelected(rt::ComboBox& c, int index) {
  if (syncing_) return;
  const bool ok = dispatch([&] { return form_.userSelect(c, index); });
  if (!ok || c.ListIndex() != index) syncProp(c, rt::Prop::ListIndex);
}

void FormBinding::onMenu(rt::MenuItem& m) {
  if (syncing_) return;
  dispatch([&] { return form_.userMenu(m); });
  syncMenu(m);
}

bool FormBinding::isTabStop(const rt::Control& c) const {
  if (!c.canTakeFocus()) return false;
  QWidget* w = widget(&c);
  if (!w || !w->isVisibleTo(&window_) || !w->isEnabled()) return false;
  // Of a group of option buttons only the selected one is a tab stop.
  if (c.kind() == rt::ControlKind::OptionButton) {
    const auto& o = static_cast<const rt::OptionButton&>(c);
    if (!o.Value()) {
      for (rt::OptionButton* other : form_.optionGroup(o.group())) {
        if (other->Value()) return false;
      }
    }
  }
  return true;
}

void FormBinding::tab(bool forward) {
  const int n = static_cast<int>(tabOrder_.size());
  if (n == 0) return;
  int at = forward ? -1 : n;
  for (int i = 0; i < n; ++i) {
    if (tabOrder_[static_cast<size_t>(i)] == form_.focused()) at = i;
  }
  for (int step = 1; step <= n; ++step) {
    int j = ((at + (forward ? step : -step)) % n + n) % n;
    rt::Control* c = tabOrder_[static_cast<size_t>(j)];
    if (c == form_.focused()) return;
    if (isTabStop(*c)) {
      dispatch([&] { return form_.userFocus(*c); });
      return;
    }
  }
}

void FormBinding::moveOption(rt::OptionButton& from, bool forward) {
  std::vector<rt::OptionButton*> group = form_.optionGroup(from.group());
  const int n = static_cast<int>(group.size());
  int at = 0;
  for (int i = 0; i < n; ++i) {
    if (group[static_cast<size_t>(i)] == &from) at = i;
  }
  for (int step = 1; step < n; ++step) {
    rt::OptionButton* next = group[static_cast<size_t>(((at + (forward ? step : -step)) % n + n) % n)];
    if (next->canTakeFocus()) {
      // Arrow keys move to the next button of the group and select it.
      dispatch([&] { return form_.userClick(*next); });
      return;
    }
  }
}

bool FormBinding::isMenuShortcut(const QEvent* e) const {
  const auto* k = static_cast<const QKeyEvent*>(e);
  if (k->key() == 0 || k->key() == Qt::Key_unknown) return false;
  const QKeySequence pressed(k->keyCombination());
  for (const auto& [control, action] : actions_) {
    if (!action || !action->isEnabled() || action->shortcut().isEmpty()) continue;
    if (action->shortcut().matches(pressed) == QKeySequence::ExactMatch) return true;
  }
  return false;
}

bool FormBinding::eventFilter(QObject* o, QEvent* e) {
  if (released_) return false;
  if (!o->isWidgetType()) return false;
  auto* w = static_cast<QWidget*>(o);
  if (w == &window_) return filterWindowEvent(e);
  if (rt::Control* c = controlOf(o)) return filterControlEvent(c, w, e);
  // The menu bar and other parts of the window.
  if (e->type() == QEvent::ShortcutOverride && isMenuShortcut(e)) {
    e->ignore();
    return true;
  }
  return isInput(e->type()) && !form_.acceptsUserInput(nullptr);
}

bool FormBinding::filterWindowEvent(QEvent* e) {
  switch (e->type()) {
    case QEvent::Show:
      refitOnceFramed();
      return false;
    case QEvent::Move:
    case QEvent::Resize:
      refitOnceFramed();
      if (!syncing_) {
        Syncing s(syncing_);
        reportPlacement();
      }
      return false;
    case QEvent::WindowStateChange:
      if (!syncing_) {
        Syncing s(syncing_);
        const Qt::WindowStates st = window_.windowState();
        form_.setWindowState(st & Qt::WindowMinimized   ? rt::WindowState::Minimized
                             : st & Qt::WindowMaximized ? rt::WindowState::Maximized
                                                        : rt::WindowState::Normal);
        const Qt::WindowStates iconOrFull = Qt::WindowMaximized | Qt::WindowMinimized;
        if (!(st & iconOrFull) && (static_cast<QWindowStateChangeEvent*>(e)->oldState() & iconOrFull)) {
          placeFirstRestore();
        }
      }
      return false;
    case QEvent::ShortcutOverride:
      if (isMenuShortcut(e)) {
        e->ignore();
        return true;
      }
      return false;
    case QEvent::KeyPress: {
      if (!form_.Enabled()) return true;
      bool forward = true;
      if (isPlainTab(*static_cast<QKeyEvent*>(e), forward)) {
        tab(forward);
        return true;
      }
      return false;
    }
    default:
      return isInput(e->type()) && !form_.acceptsUserInput(nullptr);
  }
}

bool FormBinding::filterControlEvent(rt::Control* c, QWidget* w, QEvent* e) {
  const QEvent::Type type = e->type();
  if (swallowUntilRelease_ == w) {
    if (type == QEvent::MouseMove) return true;
    if (type == QEvent::MouseButtonRelease) {
      swallowUntilRelease_ = nullptr;
      return true;
    }
  }
  if (type == QEvent::ShortcutOverride) {
    if (isMenuShortcut(e)) {
      // A menu shortcut wins over the field's own use of the same keys.
      e->ignore();
      return true;
    }
    return false;
  }
  if (isInput(type) && !form_.acceptsUserInput(c)) {
    // Refused: nothing may change on screen. Tab is still the form's.
    if (type == QEvent::KeyPress) {
      bool forward = true;
      if (isPlainTab(*static_cast<QKeyEvent*>(e), forward)) tab(forward);
    }
    return true;
  }
  switch (type) {
    case QEvent::FocusIn:
      showFocusFrames();
      return false;
    case QEvent::KeyPress: {
      auto* k = static_cast<QKeyEvent*>(e);
      bool forward = true;
      if (isPlainTab(*k, forward)) {
        tab(forward);
        return true;
      }
      if (c->kind() == rt::ControlKind::OptionButton && !(k->modifiers() & ~Qt::KeypadModifier)) {
        const int key = k->key();
        if (key == Qt::Key_Up || key == Qt::Key_Left || key == Qt::Key_Down || key == Qt::Key_Right) {
          moveOption(static_cast<rt::OptionButton&>(*c), key == Qt::Key_Down || key == Qt::Key_Right);
          return true;
        }
      }
      return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      if (!c->takesFocus()) return false;
      if (form_.focused() == c) {
        if (window_.focusWidget() != w) syncFocus();
        return false;
      }
      const bool moved = dispatch([&] { return form_.userFocus(*c); });
      // A Validate that cancels keeps the focus where it was and drops the
      // click.
      if (!moved || form_.focused() != c) return true;
      if (c->kind() == rt::ControlKind::TextBox && static_cast<rt::TextBox*>(c)->SelLength() > 0) {
        // The text selected on focus survives the press that gave it.
        swallowUntilRelease_ = w;
        return true;
      }
      return false;
    }
    case QEvent::MouseButtonRelease: {
      // A label has a click, but never the focus.
      auto* m = static_cast<QMouseEvent*>(e);
      if (c->kind() == rt::ControlKind::Label && m->button() == Qt::LeftButton && w->rect().contains(m->position().toPoint())) {
        dispatch([&] { return form_.userClick(*c); });
      }
      return false;
    }
    case QEvent::Wheel:
      // A list changes with the wheel only while it has the focus.
      return c->kind() == rt::ControlKind::ComboBox && form_.focused() != c;
    default:
      return false;
  }
}

}  // namespace mirl::gui
