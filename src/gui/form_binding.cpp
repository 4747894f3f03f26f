#include "gui/form_binding.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include "gui/colors.h"
#include "gui/model_widgets.h"
#include "gui/text_positions.h"
#include "gui/window_fit.h"

namespace mirl::gui {

namespace {

constexpr int kTwips = FormBinding::kTwipsPerPixel;

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// How far disabled text moves towards its background: text in the theme's
// colours, and text on a colour of the program's own or in one.
constexpr double kDimText = 0.45;
constexpr double kDimOwn = 0.25;

bool ownColor(rt::Color c) { return !rt::isSystemColor(c); }

Qt::CheckState checkState(int value) {
  if (value == 1) return Qt::Checked;
  if (value == 2) return Qt::PartiallyChecked;
  return Qt::Unchecked;
}

}  // namespace

FormBinding::FormBinding(rt::Form& form, QWidget& window) : form_(form), window_(window) {
  form_.setObserver(this);
  watch(window_);
  showFocusFrames();
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { followForm(now); });
  Syncing s(syncing_);
  window_.setWindowTitle(qs(form_.Caption()));
  syncWindowGeometry();
}

FormBinding::~FormBinding() {
  if (form_.observer() == this) form_.setObserver(nullptr);
}

void FormBinding::release() {
  if (form_.observer() == this) form_.setObserver(nullptr);
  released_ = true;
}

void FormBinding::watch(QWidget& w) { w.installEventFilter(this); }

void FormBinding::showFocusFrames() {
  // The style draws a focus frame only in a window whose focus last moved
  // by the keyboard. Here the form moves the focus (by Tab, a click or
  // code), so the frame is always wanted.
  window_.setAttribute(Qt::WA_KeyboardFocusChange);
}

QWidget* FormBinding::create(rt::Control& c, QWidget* parent) {
  QWidget* w = nullptr;
  switch (c.kind()) {
    case rt::ControlKind::TextBox: {
      auto* le = new QLineEdit(parent);
      auto& t = static_cast<rt::TextBox&>(c);
      connect(le, &QLineEdit::textEdited, this, [this, &t, le] { onTyped(t, *le); });
      connect(le, &QLineEdit::cursorPositionChanged, this, [this, &t, le] { onCaretMoved(t, *le); });
      connect(le, &QLineEdit::selectionChanged, this, [this, &t, le] { onCaretMoved(t, *le); });
      w = le;
      break;
    }
    case rt::ControlKind::Label: {
      auto* l = new QLabel(parent);
      l->setTextFormat(Qt::PlainText);
      w = l;
      break;
    }
    case rt::ControlKind::CheckBox: {
      auto* b = new ModelCheckBox(parent);
      b->setTristate(true);
      connect(b, &QAbstractButton::clicked, this, [this, &c] { onClicked(c); });
      w = b;
      break;
    }
    case rt::ControlKind::OptionButton: {
      auto* b = new ModelRadioButton(parent);
      connect(b, &QAbstractButton::clicked, this, [this, &c] { onClicked(c); });
      w = b;
      break;
    }
    case rt::ControlKind::ComboBox: {
      auto* cb = new QComboBox(parent);
      auto& list = static_cast<rt::ComboBox&>(c);
      connect(cb, &QComboBox::activated, this, [this, &list](int index) { onSelected(list, index); });
      w = cb;
      break;
    }
    case rt::ControlKind::CommandButton: {
      auto* b = new QPushButton(parent);
      b->setAutoDefault(false);
      connect(b, &QAbstractButton::clicked, this, [this, &c] { onClicked(c); });
      w = b;
      break;
    }
    default:
      return nullptr;
  }
  w->setObjectName(qs(c.fullName()));
  // The form decides where the focus goes; Qt only shows it.
  w->setFocusPolicy(c.takesFocus() ? Qt::TabFocus : Qt::NoFocus);
  QSizePolicy policy = w->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  w->setSizePolicy(policy);
  widgets_[&c] = w;
  controls_[w] = &c;
  connect(w, &QObject::destroyed, this, [this, &c](QObject* o) {
    controls_.erase(o);
    widgets_.erase(&c);
  });
  watch(*w);
  syncControl(c);
  return w;
}

QWidget* FormBinding::widget(const rt::Control* c) const {
  auto it = widgets_.find(c);
  return it == widgets_.end() ? nullptr : it->second.data();
}

rt::Control* FormBinding::controlOf(const QObject* o) const {
  auto it = controls_.find(o);
  return it == controls_.end() ? nullptr : it->second;
}

void FormBinding::bindLine(const rt::Line& line, QWidget& painter) { linePainters_[&line] = &painter; }

QAction* FormBinding::action(const rt::MenuItem* m) const {
  auto it = actions_.find(m);
  return it == actions_.end() ? nullptr : it->second.data();
}

void FormBinding::bindStatusBar(const rt::StatusBar& bar, QStatusBar& view) {
  statusBar_ = &bar;
  statusView_ = &view;
  statusPanels_.clear();
  for (int i = 1; i <= bar.panelCount(); ++i) {
    auto* panel = new QLabel(&view);
    panel->setTextFormat(Qt::PlainText);
    panel->setObjectName(QStringLiteral("%1.Panel%2").arg(qs(bar.name())).arg(i));
    // A long text is cut off; it never widens the window.
    panel->setMinimumWidth(1);
    // The first panel takes the free width.
    view.addWidget(panel, i == 1 ? 1 : 0);
    statusPanels_.push_back(panel);
  }
  syncStatus();
}

void FormBinding::bindProgressBar(const rt::ProgressBar& bar, QProgressBar& view) {
  progressBar_ = &bar;
  progressView_ = &view;
  view.setTextVisible(false);
  syncProgress();
}

// --- model -> view -----------------------------------------------------------

void FormBinding::syncControl(rt::Control& c) {
  for (rt::Prop p : {rt::Prop::Text, rt::Prop::Caption, rt::Prop::Enabled, rt::Prop::Visible, rt::Prop::Locked,
                     rt::Prop::BackColor, rt::Prop::ToolTipText, rt::Prop::Items, rt::Prop::Value,
                     rt::Prop::Checked}) {
    syncProp(c, p);
  }
}

void FormBinding::controlChanged(rt::Control& c, rt::Prop p) { syncProp(c, p); }

void FormBinding::syncProp(rt::Control& c, rt::Prop p) {
  if (c.kind() == rt::ControlKind::Line) {
    auto it = linePainters_.find(&c);
    if (it != linePainters_.end() && it->second) it->second->update();
    return;
  }
  if (c.kind() == rt::ControlKind::Menu) {
    syncMenu(static_cast<const rt::MenuItem&>(c));
    return;
  }
  if (&c == statusBar_) {
    syncStatus();
    return;
  }
  if (&c == progressBar_) {
    syncProgress();
    return;
  }
  QWidget* w = widget(&c);
  if (!w) return;
  Syncing s(syncing_);
  if (syncCommon(c, *w, p)) return;
  switch (c.kind()) {
    case rt::ControlKind::TextBox:
      syncTextBox(static_cast<const rt::TextBox&>(c), *static_cast<QLineEdit*>(w), p);
      return;
    case rt::ControlKind::Label:
      syncLabel(static_cast<const rt::Label&>(c), *w, p);
      return;
    case rt::ControlKind::CheckBox:
      syncCheckBox(static_cast<const rt::CheckBox&>(c), *static_cast<QCheckBox*>(w), p);
      return;
    case rt::ControlKind::OptionButton:
      syncOption(static_cast<const rt::OptionButton&>(c), *static_cast<QRadioButton*>(w), p);
      return;
    case rt::ControlKind::ComboBox:
      syncList(static_cast<const rt::ComboBox&>(c), *static_cast<QComboBox*>(w), p);
      return;
    case rt::ControlKind::CommandButton:
      if (p == rt::Prop::Caption) {
        static_cast<QPushButton*>(w)->setText(qs(static_cast<const rt::CommandButton&>(c).Caption()));
      }
      return;
    default:
      return;
  }
}

bool FormBinding::syncCommon(const rt::Control& c, QWidget& w, rt::Prop p) {
  switch (p) {
    case rt::Prop::Enabled:
      w.setEnabled(c.Enabled());
      if (form_.focused() == &c) syncFocus();
      return true;
    case rt::Prop::Visible:
      // Only an explicit hide needs an explicit show: a widget not yet on
      // screen appears with its window.
      if (!c.Visible()) {
        w.hide();
      } else if (w.isHidden() && w.testAttribute(Qt::WA_WState_ExplicitShowHide)) {
        w.show();
      }
      if (form_.focused() == &c) syncFocus();
      return true;
    case rt::Prop::ToolTipText:
      w.setToolTip(qs(c.ToolTipText()));
      return true;
    default:
      return false;
  }
}

void FormBinding::syncTextBox(const rt::TextBox& t, QLineEdit& le, rt::Prop p) {
  if (p == rt::Prop::Text) {
    const QString text = qs(t.Text());
    // The user types or pastes at most MaxLength; a longer text that code
    // wrote is shown whole.
    if (t.MaxLength() > 0) le.setMaxLength(std::max(t.MaxLength(), static_cast<int>(text.size())));
    // The user's own typing comes back with the text the widget has.
    if (le.text() != text) {
      le.setText(text);
      applySelection(t, le);
    }
  } else if (p == rt::Prop::Selection) {
    applySelection(t, le);
  } else if (p == rt::Prop::Locked) {
    le.setReadOnly(t.Locked());
  } else if (p == rt::Prop::BackColor || p == rt::Prop::ForeColor) {
    syncTextColors(t, le);
  }
}

void FormBinding::syncLabel(const rt::Label& l, QWidget& w, rt::Prop p) {
  if (p == rt::Prop::Caption) {
    static_cast<QLabel&>(w).setText(qs(l.Caption()));
  } else if (p == rt::Prop::BackColor || p == rt::Prop::ForeColor) {
    syncLabelColors(l, w);
  }
}

void FormBinding::syncCheckBox(const rt::CheckBox& b, QCheckBox& box, rt::Prop p) {
  if (p == rt::Prop::Caption) box.setText(qs(b.Caption()));
  if (p == rt::Prop::Value) box.setCheckState(checkState(b.Value()));
}

void FormBinding::syncOption(const rt::OptionButton& o, QRadioButton& button, rt::Prop p) {
  if (p == rt::Prop::Caption) button.setText(qs(o.Caption()));
  if (p == rt::Prop::Value) button.setChecked(o.Value());
}

void FormBinding::syncList(const rt::ComboBox& list, QComboBox& cb, rt::Prop p) {
  if (p == rt::Prop::Items) syncListItems(list);
  if (p == rt::Prop::ListIndex) cb.setCurrentIndex(list.ListIndex());
}

void FormBinding::applySelection(const rt::TextBox& t, QLineEdit& le) {
  const QString text = le.text();
  const int start = utf16Position(text, t.SelStart());
  const int end = utf16Position(text, t.SelStart() + t.SelLength());
  // A selection the widget shows already stays as it is, so that one the
  // user made backwards keeps its caret at its start.
  const bool shown = start == end ? !le.hasSelectedText() && le.cursorPosition() == start
                                  : le.selectionStart() == start && le.selectionEnd() == end;
  if (shown) return;
  Syncing s(syncing_);
  if (end > start) {
    le.setSelection(start, end - start);
  } else {
    le.setCursorPosition(start);
  }
}

void FormBinding::syncTextColors(const rt::TextBox& t, QLineEdit& le) {
  QPalette pal = QApplication::palette(&le);
  const QColor back = toQColor(t.BackColor(), pal);
  const QColor fore = textOn(t.BackColor(), t.ForeColor(), pal);
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    pal.setColor(group, QPalette::Base, back);
    pal.setColor(group, QPalette::Text, fore);
  }
  // A disabled field keeps its background (computed amounts are shown green
  // in disabled fields); only its text is dimmed, less so on a colour of the
  // program's own, where it is a result to be read.
  pal.setColor(QPalette::Disabled, QPalette::Base, back);
  pal.setColor(QPalette::Disabled, QPalette::Text, blend(fore, back, ownColor(t.BackColor()) ? kDimOwn : kDimText));
  le.setPalette(pal);
}

void FormBinding::syncLabelColors(const rt::Label& l, QWidget& w) {
  QPalette pal = QApplication::palette(&w);
  const QColor back = toQColor(l.BackColor(), pal);
  const bool ownBackground = l.BackColor() != rt::sys::ButtonFace;
  if (l.ForeColor() != rt::sys::ButtonText || ownColor(l.BackColor())) {
    // A coloured text (the red of a sum that is off) stays readable when
    // the label is disabled: dimmed a little, not greyed out.
    const QColor fore = textOn(l.BackColor(), l.ForeColor(), pal);
    for (auto group : {QPalette::Active, QPalette::Inactive}) pal.setColor(group, QPalette::WindowText, fore);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, blend(fore, back, kDimOwn));
  }
  if (ownBackground) {
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      pal.setColor(group, QPalette::Window, back);
    }
  }
  w.setAutoFillBackground(ownBackground);
  w.setPalette(pal);
}

void FormBinding::syncListItems(const rt::ComboBox& c) {
  auto* cb = widgetAs<QComboBox>(&c);
  if (!cb) return;
  Syncing s(syncing_);
  QStringList items;
  for (int i = 0; i < c.ListCount(); ++i) items << qs(c.List(i));
  bool same = cb->count() == items.size();
  for (int i = 0; same && i < items.size(); ++i) same = cb->itemText(i) == items[i];
  if (!same) {
    cb->clear();
    cb->addItems(items);
  }
  cb->setCurrentIndex(c.ListIndex());
}

void FormBinding::syncStatus() {
  if (!statusBar_) return;
  for (int i = 0; i < static_cast<int>(statusPanels_.size()); ++i) {
    if (auto* panel = qobject_cast<QLabel*>(statusPanels_[static_cast<size_t>(i)].data())) {
      panel->setText(qs(statusBar_->panelText(i + 1)));
    }
  }
  if (statusView_) statusView_->setEnabled(statusBar_->Enabled());
}

void FormBinding::syncProgress() {
  if (!progressBar_ || !progressView_) return;
  Syncing s(syncing_);
  progressView_->setRange(static_cast<int>(progressBar_->Min()), static_cast<int>(progressBar_->Max()));
  progressView_->setValue(static_cast<int>(progressBar_->Value()));
  progressView_->setVisible(progressBar_->Visible());
}

// --- the form's own properties ------------------------------------------------

void FormBinding::formChanged(rt::Form&, rt::Prop p) {
  // The window's own moves and state changes, reported to the form, come
  // back here; the window is already there.
  if (syncing_ && (p == rt::Prop::Geometry || p == rt::Prop::WindowState)) return;
  Syncing s(syncing_);
  switch (p) {
    case rt::Prop::Caption:
      window_.setWindowTitle(qs(form_.Caption()));
      return;
    case rt::Prop::Visible:
      syncWindowVisible();
      return;
    case rt::Prop::Geometry:
    case rt::Prop::WindowState:
      syncWindowGeometry();
      return;
    case rt::Prop::MousePointer:
      syncWaitCursor();
      return;
    case rt::Prop::Focus:
      syncFocus();
      return;
    default:
      // Enabled: a disabled form keeps its look; the event filter keeps
      // its input away.
      return;
  }
}

void FormBinding::syncWindowVisible() {
  if (!form_.Visible()) {
    window_.hide();
    return;
  }
  syncWindowGeometry();
  if (!sized_) {
    // The first time on screen: the size the layout asks for.
    sized_ = true;
    window_.resize(openingSize(window_));
  }
  switch (form_.windowState()) {
    case rt::WindowState::Maximized:
      window_.showMaximized();
      break;
    case rt::WindowState::Minimized:
      window_.showMinimized();
      break;
    case rt::WindowState::Normal:
      shownNormal_ = true;
      fitWindow();
      // The window system tells the real frame only once the window is
      // there; it is fitted again then.
      refitPending_ = true;
      window_.show();
      break;
  }
  syncFocus();
}

void FormBinding::refitOnceFramed() {
  if (!refitPending_ || !reportedFrame(window_)) return;
  refitPending_ = false;
  if (placeAgainAt_) {
    // First placed while the frame of the maximised or minimised window
    // applied: once more with the normal frame.
    Syncing s(syncing_);
    window_.move(*placeAgainAt_);
    placeAgainAt_.reset();
  }
  fitWindow();
}

void FormBinding::placeFirstRestore() {
  if (shownNormal_) return;
  shownNormal_ = true;
  const QPoint at(form_.Left() / kTwips, form_.Top() / kTwips);
  window_.resize(openingSize(window_));
  window_.move(at);
  fitWindow();
  placeAgainAt_ = at;
  refitPending_ = true;
}

void FormBinding::fitWindow() {
  if (!fitToScreen(window_)) return;
  Syncing s(syncing_);
  reportPlacement();
}

void FormBinding::reportPlacement() {
  if (window_.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) return;
  form_.setLeft(window_.x() * kTwipsPerPixel);
  form_.setTop(window_.y() * kTwipsPerPixel);
  form_.setSize(window_.frameGeometry().width() * kTwipsPerPixel, window_.frameGeometry().height() * kTwipsPerPixel);
}

void FormBinding::syncWindowGeometry() {
  Syncing s(syncing_);
  Qt::WindowStates want = Qt::WindowNoState;
  if (form_.windowState() == rt::WindowState::Maximized) want = Qt::WindowMaximized;
  if (form_.windowState() == rt::WindowState::Minimized) want = Qt::WindowMinimized;
  // The form's place is the one of the restored window: also where a window
  // about to be maximised or minimised comes back to.
  if (want == Qt::WindowNoState || !(window_.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized))) {
    const QPoint at(form_.Left() / kTwips, form_.Top() / kTwips);
    if (window_.pos() != at) window_.move(at);
  }
  // A window not yet on screen takes its state when it is shown (see
  // syncWindowVisible).
  if (!window_.isVisible()) return;
  if ((window_.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) != want) window_.setWindowState(want);
}

void FormBinding::syncWaitCursor() {
  const bool want = form_.MousePointer() == rt::pointer::Hourglass || form_.MousePointer() == rt::pointer::ArrowHourglass;
  if (want == waitCursor_) return;
  waitCursor_ = want;
  if (want) {
    // Widgets with a pointer of their own (text fields) get the hourglass
    // too; the others inherit it from the window.
    savedCursors_.clear();
    QList<QWidget*> all = window_.findChildren<QWidget*>();
    all.prepend(&window_);
    for (QWidget* w : all) {
      if (w != &window_ && !w->testAttribute(Qt::WA_SetCursor)) continue;
      savedCursors_.push_back({w, w->testAttribute(Qt::WA_SetCursor), w->cursor()});
      w->setCursor(Qt::WaitCursor);
    }
  } else {
    for (const SavedCursor& saved : savedCursors_) {
      if (!saved.widget) continue;
      if (saved.had) {
        saved.widget->setCursor(saved.cursor);
      } else {
        saved.widget->unsetCursor();
      }
    }
    savedCursors_.clear();
  }
}

QWidget* FormBinding::focusTarget() const {
  const rt::Control* c = form_.focused();
  QWidget* w = c ? widget(c) : nullptr;
  return w && w->isEnabled() && w->isVisible() ? w : &window_;
}

void FormBinding::holdKeyboard() {
  QWidget* fw = window_.focusWidget();
  // The menu bar has the keys while the user walks its menus.
  if (fw == &window_ || qobject_cast<QMenuBar*>(fw)) return;
  Syncing s(syncing_);
  window_.setFocus(Qt::OtherFocusReason);
}

void FormBinding::syncFocus() {
  rt::Control* c = form_.focused();
  if (!c) {
    // The focus left every control; unless it arrives somewhere else within
    // the current action, the window itself holds the keyboard.
    QTimer::singleShot(0, this, [this] {
      if (!released_ && !form_.focused()) holdKeyboard();
    });
    return;
  }
  if (!window_.isVisible()) return;
  QWidget* w = focusTarget();
  if (w == &window_) {
    // The control cannot show the focus (it is disabled or hidden); no
    // other one may seem to have it.
    holdKeyboard();
    return;
  }
  Syncing s(syncing_);
  if (window_.focusWidget() != w) w->setFocus(Qt::OtherFocusReason);
  if (c->kind() == rt::ControlKind::TextBox) applySelection(static_cast<const rt::TextBox&>(*c), *static_cast<QLineEdit*>(w));
}

void FormBinding::followForm(QWidget* now) {
  // Qt moved the focus on its own (a click, the window's activation, a
  // focused widget disabled): it goes back where the form has it.
  if (released_ || !now || now->window() != &window_ || qobject_cast<QMenuBar*>(now)) return;
  if (now != focusTarget()) syncFocus();
}

}  // namespace mirl::gui
