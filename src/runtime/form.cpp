#include "runtime/form.h"

#include <cmath>

namespace mirl::rt {

namespace {

// What leaving a control does to it, before its own events run.
void leave(Control& c) {
  if (c.kind() == ControlKind::TextBox) static_cast<TextBox&>(c).left();
}

}  // namespace

Form::Form(std::string name) : name_(std::move(name)) {}

Form::~Form() = default;

void Form::setCaption(std::string v) {
  if (s_.caption == v) return;
  s_.caption = std::move(v);
  notifyForm(Prop::Caption);
}

void Form::setEnabled(bool v) {
  if (s_.enabled == v) return;
  s_.enabled = v;
  notifyForm(Prop::Enabled);
}

void Form::setVisible(bool v) {
  if (s_.visible == v) return;
  s_.visible = v;
  // A form shown without a window gets one first; it then shows itself.
  if (v && !observer_ && views_) views_->formShowing(*this);
  notifyForm(Prop::Visible);
}

void Form::setLeft(int v) {
  if (s_.left == v) return;
  s_.left = v;
  notifyForm(Prop::Geometry);
}

void Form::setTop(int v) {
  if (s_.top == v) return;
  s_.top = v;
  notifyForm(Prop::Geometry);
}

void Form::setSize(int width, int height) {
  if (s_.width == width && s_.height == height) return;
  s_.width = width;
  s_.height = height;
  notifyForm(Prop::Geometry);
}

void Form::setWindowState(WindowState s) {
  if (s_.state == s) return;
  s_.state = s;
  notifyForm(Prop::WindowState);
}

void Form::setMousePointer(int v) {
  if (s_.mousePointer == v) return;
  s_.mousePointer = v;
  notifyForm(Prop::MousePointer);
}

std::optional<Value> Form::get(std::string_view prop) const {
  if (prop == "Caption") return Value{s_.caption};
  if (prop == "Enabled") return Value{s_.enabled};
  if (prop == "Visible") return Value{s_.visible};
  if (prop == "Left") return Value{static_cast<double>(s_.left)};
  if (prop == "Top") return Value{static_cast<double>(s_.top)};
  if (prop == "Width") return Value{static_cast<double>(s_.width)};
  if (prop == "Height") return Value{static_cast<double>(s_.height)};
  if (prop == "WindowState") return Value{static_cast<double>(static_cast<int>(s_.state))};
  if (prop == "MousePointer") return Value{static_cast<double>(s_.mousePointer)};
  return std::nullopt;
}

bool Form::set(std::string_view prop, const Value& v) {
  if (prop == "Caption") {
    if (auto t = std::get_if<std::string>(&v)) return setCaption(*t), true;
    return false;
  }
  const double* d = std::get_if<double>(&v);
  const bool* b = std::get_if<bool>(&v);
  if (prop == "Enabled" && (b || d)) return setEnabled(b ? *b : *d != 0), true;
  if (prop == "Visible" && (b || d)) return setVisible(b ? *b : *d != 0), true;
  if (!d || *d != std::floor(*d)) return false;
  int i = static_cast<int>(*d);
  if (prop == "Left") return setLeft(i), true;
  if (prop == "Top") return setTop(i), true;
  if (prop == "MousePointer") return setMousePointer(i), true;
  if (prop == "WindowState" && i >= 0 && i <= 2) {
    return setWindowState(static_cast<WindowState>(i)), true;
  }
  return false;
}

Control* Form::find(std::string_view name, int index) const {
  for (const auto& c : controls_) {
    if (c->name() == name && c->index() == index) return c.get();
  }
  return nullptr;
}

bool Form::isArray(std::string_view name) const {
  for (const auto& c : controls_) {
    if (c->name() == name && c->index() >= 0) return true;
  }
  return false;
}

std::vector<OptionButton*> Form::optionGroup(const std::string& group) const {
  std::vector<OptionButton*> out;
  for (const auto& c : controls_) {
    if (c->kind() == ControlKind::OptionButton) {
      auto* o = static_cast<OptionButton*>(c.get());
      if (o->group() == group) out.push_back(o);
    }
  }
  return out;
}

bool Form::moveFocus(Control& target) {
  if (!target.canTakeFocus()) return false;
  if (focused_ == &target) return true;
  if (Control* from = focused_) {
    leave(*from);
    bool cancel = false;
    if (from->onValidate) {
      auto handler = from->onValidate;
      handler(cancel);
    }
    if (cancel) return false;
    // The Validate handler may have disabled the target or moved the focus.
    if (!target.canTakeFocus()) return false;
    if (focused_ == &target) return true;
    focused_ = nullptr;
    notifyForm(Prop::Focus);
    if (from->onLostFocus) {
      auto handler = from->onLostFocus;
      handler();
    }
  }
  focused_ = &target;
  notifyForm(Prop::Focus);
  if (target.onGotFocus) {
    auto handler = target.onGotFocus;
    handler();
  }
  return focused_ == &target;
}

bool Form::leaveFocus() {
  Control* from = focused_;
  if (!from) return true;
  leave(*from);
  bool cancel = false;
  if (from->onValidate) {
    auto handler = from->onValidate;
    handler(cancel);
  }
  if (cancel) return false;
  if (focused_ != from) return true;
  focused_ = nullptr;
  notifyForm(Prop::Focus);
  if (from->onLostFocus) {
    auto handler = from->onLostFocus;
    handler();
  }
  return true;
}

void Form::forgetFocus(const Control& c) {
  if (focused_ == &c) {
    focused_ = nullptr;
    notifyForm(Prop::Focus);
  }
}

bool Form::acceptsUserInput(const Control* c) const {
  // A hidden window cannot be reached by the user at all.
  if (!s_.enabled || !s_.visible) return false;
  if (busy_ && c != busyAllowed_) return false;
  if (c && !c->Enabled()) return false;
  return true;
}

bool Form::userFocus(Control& c) {
  if (!acceptsUserInput(&c)) return false;
  return moveFocus(c);
}

bool Form::userClick(Control& c) {
  if (!acceptsUserInput(&c)) return false;
  if (c.kind() == ControlKind::Menu) return userMenu(static_cast<MenuItem&>(c));
  if (c.takesFocus() && !moveFocus(c)) return false;
  // The focus change may have run handlers that disabled the control.
  if (!c.Enabled() || !s_.enabled) return false;
  switch (c.kind()) {
    case ControlKind::CheckBox: {
      auto& box = static_cast<CheckBox&>(c);
      box.setValue(box.Value() == 0 ? 1 : 0);  // raises Click
      return true;
    }
    case ControlKind::OptionButton: {
      auto& opt = static_cast<OptionButton&>(c);
      if (opt.Value()) {
        opt.raiseClick();
      } else {
        opt.setValue(true);  // raises Click
      }
      return true;
    }
    case ControlKind::TextBox:
    case ControlKind::ComboBox:
      return true;  // a click into a field or list only moves the focus
    default:
      c.raiseClick();
      return true;
  }
}

bool Form::userType(TextBox& t, std::string text) {
  if (!acceptsUserInput(&t)) return false;
  if (!moveFocus(t)) return false;
  if (t.Locked() || !t.Enabled()) return false;
  int caret = 0;
  for (unsigned char ch : text) {
    if ((ch & 0xC0) != 0x80) ++caret;
  }
  t.typeText(std::move(text), caret);
  return true;
}

bool Form::userSelect(ComboBox& c, int index) {
  if (!acceptsUserInput(&c)) return false;
  if (!moveFocus(c)) return false;
  if (!c.Enabled() || index < 0 || index >= c.ListCount()) return false;
  c.setListIndex(index);
  return true;
}

bool Form::userMenu(MenuItem& m) {
  if (!acceptsUserInput(&m)) return false;
  for (MenuItem* p = m.parent(); p; p = p->parent()) {
    if (!p->Enabled() || !p->Visible()) return false;
  }
  if (!m.Visible()) return false;
  m.raiseClick();
  return true;
}

void Form::setBusy(const Control* allowed) {
  busy_ = true;
  busyAllowed_ = allowed;
}

void Form::clearBusy() {
  busy_ = false;
  busyAllowed_ = nullptr;
}

// --- lifecycle ----------------------------------------------------------------

void Form::load() {
  if (loaded_) return;
  loaded_ = true;
  if (onLoad) {
    auto handler = onLoad;
    handler();
  }
}

bool Form::queryUnload() {
  // Closing the window leaves its field as well.
  if (focused_) leave(*focused_);
  int cancel = 0;
  if (onUnload) {
    auto handler = onUnload;
    handler(cancel);
  }
  return cancel == 0;
}

bool Form::unload() {
  if (!loaded_) return true;
  if (!queryUnload()) return false;
  if (views_) views_->formUnloading(*this);
  s_ = design_;
  focused_ = nullptr;
  clearBusy();
  for (const auto& c : controls_) c->restoreDesign();
  loaded_ = false;
  return true;
}

void Form::recordDesign() {
  design_ = s_;
  for (const auto& c : controls_) c->recordDesign();
}

}  // namespace mirl::rt
