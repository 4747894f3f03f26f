#include "runtime/control.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "runtime/codepage.h"
#include "runtime/error.h"
#include "runtime/form.h"
#include "runtime/utf8.h"

namespace mirl::rt {

namespace {

bool asBool(const Value& v, bool& out) {
  if (auto b = std::get_if<bool>(&v)) {
    out = *b;
    return true;
  }
  if (auto d = std::get_if<double>(&v)) {
    out = *d != 0;
    return true;
  }
  return false;
}

bool asNumber(const Value& v, double& out) {
  if (auto d = std::get_if<double>(&v)) {
    out = *d;
    return true;
  }
  if (auto b = std::get_if<bool>(&v)) {
    out = *b ? -1 : 0;
    return true;
  }
  return false;
}

bool asInt(const Value& v, int& out) {
  double d;
  if (!asNumber(v, d) || d != std::floor(d)) return false;
  out = static_cast<int>(d);
  return true;
}

bool asColor(const Value& v, Color& out) {
  double d;
  if (!asNumber(v, d) || d < 0 || d > 4294967295.0) return false;
  out = static_cast<Color>(d);
  return true;
}

const std::string* asText(const Value& v) { return std::get_if<std::string>(&v); }

Value num(double d) { return Value{d}; }

}  // namespace

void refuseSecondHandler(const std::string& owner, int index, const char* event) {
  const std::string name = index < 0 ? owner : owner + "(" + std::to_string(index) + ")";
  throw std::logic_error(name + "." + event + " already has a handler");
}

// --- Control ----------------------------------------------------------------

Control::Control(Form& form, ControlKind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index) {}

std::string Control::fullName() const {
  if (index_ < 0) return name_;
  return name_ + "(" + std::to_string(index_) + ")";
}

void Control::changed(Prop p) { form_.notifyControl(*this, p); }

void Control::setEnabled(bool v) {
  if (common_.enabled == v) return;
  common_.enabled = v;
  changed(Prop::Enabled);
}

void Control::setVisible(bool v) {
  if (common_.visible == v) return;
  common_.visible = v;
  changed(Prop::Visible);
}

void Control::setToolTipText(std::string v) {
  if (common_.toolTip == v) return;
  common_.toolTip = std::move(v);
  changed(Prop::ToolTipText);
}

void Control::setGeometry(int left, int top, int width, int height) {
  common_.left = left;
  common_.top = top;
  common_.width = width;
  common_.height = height;
  changed(Prop::Geometry);
}

void Control::setTop(int top) {
  if (common_.top == top) return;
  common_.top = top;
  changed(Prop::Geometry);
}

bool Control::canTakeFocus() const {
  return takesFocus() && common_.enabled && common_.visible && form_.Enabled() && form_.Visible();
}

bool Control::SetFocus() { return form_.moveFocus(*this); }

void Control::raiseClick() {
  if (onClick) {
    auto handler = onClick;  // a handler may rewire the control
    handler();
  }
}

std::optional<Value> Control::get(std::string_view prop) const {
  if (prop == "Enabled") return Value{common_.enabled};
  if (prop == "Visible") return Value{common_.visible};
  if (prop == "ToolTipText") return Value{common_.toolTip};
  if (prop == "Left") return num(common_.left);
  if (prop == "Top") return num(common_.top);
  if (prop == "Width") return num(common_.width);
  if (prop == "Height") return num(common_.height);
  return std::nullopt;
}

bool Control::set(std::string_view prop, const Value& v) {
  bool b;
  if (prop == "Enabled" && asBool(v, b)) return setEnabled(b), true;
  if (prop == "Visible" && asBool(v, b)) return setVisible(b), true;
  if (prop == "ToolTipText") {
    if (auto t = asText(v)) return setToolTipText(*t), true;
  }
  return false;
}

// --- TextBox ----------------------------------------------------------------

TextBox::TextBox(Form& form, std::string name, int index)
    : ControlWith(form, ControlKind::TextBox, std::move(name), index) {}

void TextBox::setText(std::string v) {
  bool selChanged = p_.selStart != 0 || p_.selLength != 0;
  p_.selStart = 0;
  p_.selLength = 0;
  if (p_.text != v) {
    p_.text = std::move(v);
    changed(Prop::Text);
  }
  if (selChanged) changed(Prop::Selection);
}

void TextBox::typeText(std::string v, int caret) {
  if (maxLength_ > 0) v.resize(utf8::offset(v, maxLength_));
  if (p_.text != v) {
    p_.text = std::move(v);
    changed(Prop::Text);
  }
  int len = textLength();
  p_.selStart = caret < 0 ? 0 : (caret > len ? len : caret);
  p_.selLength = 0;
}

void TextBox::userSelects(int start, int length) {
  const int len = textLength();
  p_.selStart = std::clamp(start, 0, len);
  p_.selLength = std::clamp(length, 0, len - p_.selStart);
}

void TextBox::left() {
  if (!codePageOnly_) return;
  std::string kept = cp1252::toUtf8(cp1252::fromUtf8(p_.text));
  if (kept == p_.text) return;
  p_.text = std::move(kept);
  // Every character becomes one character; the selection stays in place.
  const int len = textLength();
  p_.selStart = std::min(p_.selStart, len);
  p_.selLength = std::min(p_.selLength, len - p_.selStart);
  changed(Prop::Text);
}

int TextBox::textLength() const { return utf8::length(p_.text); }

void TextBox::setLocked(bool v) {
  if (p_.locked == v) return;
  p_.locked = v;
  changed(Prop::Locked);
}

void TextBox::setBackColor(Color c) {
  if (p_.back == c) return;
  p_.back = c;
  changed(Prop::BackColor);
}

void TextBox::setForeColor(Color c) {
  if (p_.fore == c) return;
  p_.fore = c;
  changed(Prop::ForeColor);
}

void TextBox::setSelStart(int v) {
  if (v < 0) throw RuntimeError(ErrorCode::InvalidPropertyValue, "SelStart");
  int len = textLength();
  p_.selStart = v > len ? len : v;
  p_.selLength = 0;
  changed(Prop::Selection);
}

void TextBox::setSelLength(int v) {
  if (v < 0) throw RuntimeError(ErrorCode::InvalidPropertyValue, "SelLength");
  int rest = textLength() - p_.selStart;
  p_.selLength = v > rest ? rest : v;
  changed(Prop::Selection);
}

std::optional<Value> TextBox::get(std::string_view prop) const {
  if (prop == "Text") return Value{p_.text};
  if (prop == "Locked") return Value{p_.locked};
  if (prop == "BackColor") return num(p_.back);
  if (prop == "ForeColor") return num(p_.fore);
  if (prop == "SelStart") return num(p_.selStart);
  if (prop == "SelLength") return num(p_.selLength);
  return Control::get(prop);
}

bool TextBox::set(std::string_view prop, const Value& v) {
  Color c;
  int i;
  bool b;
  if (prop == "Text") {
    if (auto t = asText(v)) return setText(*t), true;
    return false;
  }
  if (prop == "Locked" && asBool(v, b)) return setLocked(b), true;
  if (prop == "BackColor" && asColor(v, c)) return setBackColor(c), true;
  if (prop == "ForeColor" && asColor(v, c)) return setForeColor(c), true;
  if (prop == "SelStart" && asInt(v, i)) return setSelStart(i), true;
  if (prop == "SelLength" && asInt(v, i)) return setSelLength(i), true;
  return Control::set(prop, v);
}

// --- Label ------------------------------------------------------------------

Label::Label(Form& form, std::string name, int index)
    : ControlWith(form, ControlKind::Label, std::move(name), index) {}

void Label::setCaption(std::string v) {
  if (p_.caption == v) return;
  p_.caption = std::move(v);
  changed(Prop::Caption);
}

void Label::setForeColor(Color c) {
  if (p_.fore == c) return;
  p_.fore = c;
  changed(Prop::ForeColor);
}

void Label::setBackColor(Color c) {
  if (p_.back == c) return;
  p_.back = c;
  changed(Prop::BackColor);
}

std::optional<Value> Label::get(std::string_view prop) const {
  if (prop == "Caption") return Value{p_.caption};
  if (prop == "ForeColor") return num(p_.fore);
  if (prop == "BackColor") return num(p_.back);
  return Control::get(prop);
}

bool Label::set(std::string_view prop, const Value& v) {
  Color c;
  if (prop == "Caption") {
    if (auto t = asText(v)) return setCaption(*t), true;
    return false;
  }
  if (prop == "ForeColor" && asColor(v, c)) return setForeColor(c), true;
  if (prop == "BackColor" && asColor(v, c)) return setBackColor(c), true;
  return Control::set(prop, v);
}

// --- CheckBox ---------------------------------------------------------------

CheckBox::CheckBox(Form& form, std::string name, int index)
    : ControlWith(form, ControlKind::CheckBox, std::move(name), index) {}

void CheckBox::setCaption(std::string v) {
  if (p_.caption == v) return;
  p_.caption = std::move(v);
  changed(Prop::Caption);
}

void CheckBox::setValue(int v) {
  if (v < 0 || v > 2) throw RuntimeError(ErrorCode::InvalidPropertyValue, "Value");
  if (p_.value == v) return;
  p_.value = v;
  changed(Prop::Value);
  raiseClick();
}

void CheckBox::setValueSilently(int v) {
  if (v < 0 || v > 2) throw RuntimeError(ErrorCode::InvalidPropertyValue, "Value");
  if (p_.value == v) return;
  p_.value = v;
  changed(Prop::Value);
}

std::optional<rt::Value> CheckBox::get(std::string_view prop) const {
  if (prop == "Caption") return rt::Value{p_.caption};
  if (prop == "Value") return num(p_.value);
  return Control::get(prop);
}

bool CheckBox::set(std::string_view prop, const rt::Value& v) {
  int i;
  if (prop == "Caption") {
    if (auto t = asText(v)) return setCaption(*t), true;
    return false;
  }
  if (prop == "Value" && asInt(v, i) && i >= 0 && i <= 2) return setValue(i), true;
  return Control::set(prop, v);
}

// --- OptionButton -----------------------------------------------------------

OptionButton::OptionButton(Form& form, std::string name, int index, std::string group)
    : ControlWith(form, ControlKind::OptionButton, std::move(name), index), group_(std::move(group)) {}

void OptionButton::setCaption(std::string v) {
  if (p_.caption == v) return;
  p_.caption = std::move(v);
  changed(Prop::Caption);
}

void OptionButton::setValue(bool v) {
  if (p_.value == v) return;
  if (v) {
    for (OptionButton* other : form().optionGroup(group_)) {
      if (other != this && other->p_.value) {
        other->p_.value = false;
        other->changed(Prop::Value);
      }
    }
  }
  p_.value = v;
  changed(Prop::Value);
  if (v) raiseClick();
}

std::optional<rt::Value> OptionButton::get(std::string_view prop) const {
  if (prop == "Caption") return rt::Value{p_.caption};
  if (prop == "Value") return rt::Value{p_.value};
  return Control::get(prop);
}

bool OptionButton::set(std::string_view prop, const rt::Value& v) {
  bool b;
  if (prop == "Caption") {
    if (auto t = asText(v)) return setCaption(*t), true;
    return false;
  }
  if (prop == "Value" && asBool(v, b)) return setValue(b), true;
  return Control::set(prop, v);
}

// --- ComboBox ---------------------------------------------------------------

ComboBox::ComboBox(Form& form, std::string name, int index)
    : ControlWith(form, ControlKind::ComboBox, std::move(name), index) {}

void ComboBox::AddItem(std::string text) {
  p_.items.push_back(ListItem{std::move(text), 0});
  p_.newIndex = static_cast<int>(p_.items.size()) - 1;
  changed(Prop::Items);
}

void ComboBox::Clear() {
  p_.items.clear();
  p_.newIndex = -1;
  bool hadSelection = p_.listIndex != -1;
  p_.listIndex = -1;
  changed(Prop::Items);
  if (hadSelection) changed(Prop::ListIndex);
}

const std::string& ComboBox::List(int i) const {
  if (i < 0 || i >= ListCount()) {
    throw RuntimeError(ErrorCode::InvalidPropertyArrayIndex, "List");
  }
  return p_.items[static_cast<size_t>(i)].text;
}

long ComboBox::ItemData(int i) const {
  if (i < 0 || i >= ListCount()) {
    throw RuntimeError(ErrorCode::InvalidPropertyArrayIndex, "ItemData");
  }
  return p_.items[static_cast<size_t>(i)].data;
}

void ComboBox::setItemData(int i, long data) {
  if (i < 0 || i >= ListCount()) {
    throw RuntimeError(ErrorCode::InvalidPropertyArrayIndex, "ItemData");
  }
  p_.items[static_cast<size_t>(i)].data = data;
}

void ComboBox::setListIndex(int i) {
  if (i < -1 || i >= ListCount()) {
    throw RuntimeError(ErrorCode::InvalidPropertyValue, "ListIndex");
  }
  if (p_.listIndex == i) return;
  p_.listIndex = i;
  changed(Prop::ListIndex);
  raiseClick();
}

std::string ComboBox::Text() const {
  if (p_.listIndex < 0) return {};
  return p_.items[static_cast<size_t>(p_.listIndex)].text;
}

std::optional<long> ComboBox::selectedItemData() const {
  if (p_.listIndex < 0) return std::nullopt;
  return p_.items[static_cast<size_t>(p_.listIndex)].data;
}

std::optional<Value> ComboBox::get(std::string_view prop) const {
  if (prop == "Text") return Value{Text()};
  if (prop == "ListIndex") return num(p_.listIndex);
  if (prop == "ListCount") return num(ListCount());
  if (prop == "NewIndex") return num(p_.newIndex);
  return Control::get(prop);
}

bool ComboBox::set(std::string_view prop, const Value& v) {
  int i;
  if (prop == "ListIndex" && asInt(v, i) && i >= -1 && i < ListCount()) {
    return setListIndex(i), true;
  }
  return Control::set(prop, v);
}

// --- CommandButton ----------------------------------------------------------

CommandButton::CommandButton(Form& form, std::string name, int index)
    : ControlWith(form, ControlKind::CommandButton, std::move(name), index) {}

void CommandButton::setCaption(std::string v) {
  if (p_.caption == v) return;
  p_.caption = std::move(v);
  changed(Prop::Caption);
}

std::optional<Value> CommandButton::get(std::string_view prop) const {
  if (prop == "Caption") return Value{p_.caption};
  return Control::get(prop);
}

bool CommandButton::set(std::string_view prop, const Value& v) {
  if (prop == "Caption") {
    if (auto t = asText(v)) return setCaption(*t), true;
    return false;
  }
  return Control::set(prop, v);
}

// --- MenuItem ---------------------------------------------------------------

MenuItem::MenuItem(Form& form, std::string name, int index, MenuItem* parent)
    : ControlWith(form, ControlKind::Menu, std::move(name), index), parent_(parent) {}

void MenuItem::setCaption(std::string v) {
  if (p_.caption == v) return;
  p_.caption = std::move(v);
  changed(Prop::Caption);
}

void MenuItem::setChecked(bool v) {
  if (p_.checked == v) return;
  p_.checked = v;
  changed(Prop::Checked);
}

std::optional<Value> MenuItem::get(std::string_view prop) const {
  if (prop == "Caption") return Value{p_.caption};
  if (prop == "Checked") return Value{p_.checked};
  return Control::get(prop);
}

bool MenuItem::set(std::string_view prop, const Value& v) {
  bool b;
  if (prop == "Caption") {
    if (auto t = asText(v)) return setCaption(*t), true;
    return false;
  }
  if (prop == "Checked" && asBool(v, b)) return setChecked(b), true;
  return Control::set(prop, v);
}

// --- Line -------------------------------------------------------------------

Line::Line(Form& form, std::string name, int index)
    : ControlWith(form, ControlKind::Line, std::move(name), index) {}

void Line::setBorderStyle(int v) {
  if (v < 0 || v > 6) throw RuntimeError(ErrorCode::InvalidPropertyValue, "BorderStyle");
  if (p_.borderStyle == v) return;
  p_.borderStyle = v;
  changed(Prop::BorderStyle);
}

std::optional<Value> Line::get(std::string_view prop) const {
  if (prop == "BorderStyle") return num(p_.borderStyle);
  return Control::get(prop);
}

bool Line::set(std::string_view prop, const Value& v) {
  int i;
  if (prop == "BorderStyle" && asInt(v, i) && i >= 0 && i <= 6) return setBorderStyle(i), true;
  return Control::set(prop, v);
}

// --- StatusBar --------------------------------------------------------------

StatusBar::StatusBar(Form& form, std::string name, int panels)
    : ControlWith(form, ControlKind::StatusBar, std::move(name), -1) {
  p_.panels.resize(static_cast<size_t>(panels < 1 ? 1 : panels));
}

const std::string& StatusBar::panelText(int i) const {
  if (i < 1 || i > panelCount()) throw RuntimeError(ErrorCode::InvalidPropertyArrayIndex, "Panels");
  return p_.panels[static_cast<size_t>(i - 1)];
}

void StatusBar::setPanelText(int i, std::string v) {
  if (i < 1 || i > panelCount()) throw RuntimeError(ErrorCode::InvalidPropertyArrayIndex, "Panels");
  auto& p = p_.panels[static_cast<size_t>(i - 1)];
  if (p == v) return;
  p = std::move(v);
  changed(Prop::Text);
}

std::optional<Value> StatusBar::get(std::string_view prop) const {
  if (prop == "Text") return Value{p_.panels[0]};
  return Control::get(prop);
}

bool StatusBar::set(std::string_view prop, const Value& v) {
  if (prop == "Text") {
    if (auto t = asText(v)) return setPanelText(1, *t), true;
    return false;
  }
  return Control::set(prop, v);
}

// --- ProgressBar ------------------------------------------------------------

ProgressBar::ProgressBar(Form& form, std::string name)
    : ControlWith(form, ControlKind::ProgressBar, std::move(name), -1) {}

void ProgressBar::setMin(double v) {
  if (v > p_.max) throw RuntimeError(ErrorCode::InvalidPropertyValue, "Min");
  p_.min = v;
  if (p_.value < p_.min) p_.value = p_.min;
  changed(Prop::Range);
}

void ProgressBar::setMax(double v) {
  if (v < p_.min) throw RuntimeError(ErrorCode::InvalidPropertyValue, "Max");
  p_.max = v;
  if (p_.value > p_.max) p_.value = p_.max;
  changed(Prop::Range);
}

void ProgressBar::setValue(double v) {
  if (v < p_.min || v > p_.max) throw RuntimeError(ErrorCode::InvalidPropertyValue, "Value");
  if (p_.value == v) return;
  p_.value = v;
  changed(Prop::Value);
}

std::optional<rt::Value> ProgressBar::get(std::string_view prop) const {
  if (prop == "Min") return num(p_.min);
  if (prop == "Max") return num(p_.max);
  if (prop == "Value") return num(p_.value);
  return Control::get(prop);
}

bool ProgressBar::set(std::string_view prop, const rt::Value& v) {
  double d;
  if (prop == "Min" && asNumber(v, d) && d <= p_.max) return setMin(d), true;
  if (prop == "Max" && asNumber(v, d) && d >= p_.min) return setMax(d), true;
  if (prop == "Value" && asNumber(v, d) && d >= p_.min && d <= p_.max) return setValue(d), true;
  return Control::set(prop, v);
}

}  // namespace mirl::rt
