#include "scenario/target.h"

#include <array>
#include <cmath>

#include "context/app.h"
#include "scenario/lexer.h"

namespace mirl::scenario {

namespace {

// Windows of the program that scenarios may name; the application may not
// have built every one of them yet.
constexpr std::array<std::string_view, 3> kWindowNames = {"frm_Main", "frm_Aromen", "frm_Info"};

bool isWindowName(std::string_view name) {
  for (auto w : kWindowNames) {
    if (w == name) return true;
  }
  return false;
}

// Properties that take an index.
bool isListProperty(std::string_view p) { return p == "ItemData" || p == "List"; }

std::string partText(const NamePart& p) {
  return p.index ? p.name + "(" + std::to_string(*p.index) + ")" : p.name;
}

}  // namespace

std::optional<std::string> textProperty(const rt::Control& c) {
  switch (c.kind()) {
    case rt::ControlKind::TextBox:
    case rt::ControlKind::ComboBox:
    case rt::ControlKind::StatusBar:
      return "Text";
    case rt::ControlKind::Label:
    case rt::ControlKind::CheckBox:
    case rt::ControlKind::OptionButton:
    case rt::ControlKind::CommandButton:
    case rt::ControlKind::Menu:
      return "Caption";
    case rt::ControlKind::Line:
    case rt::ControlKind::ProgressBar:
      break;
  }
  return std::nullopt;
}

TargetResult resolve(App& app, const Selector& sel) {
  TargetResult r;
  Target& t = r.target;
  const std::string formName = sel.form.empty() ? std::string(kMainForm) : sel.form;
  if (!app.hasForm(formName)) {
    r.error = isWindowName(formName) ? "window " + formName + " is not available"
                                     : "unknown window " + formName;
    return r;
  }
  const bool namedForm = !sel.form.empty();

  // Loaded is asked without loading the window.
  if (namedForm && sel.parts.size() == 1 && sel.parts[0] == NamePart{"Loaded", std::nullopt}) {
    t.kind = Target::Kind::FormProperty;
    t.form = app.loadedForm(formName);
    t.property = "Loaded";
    t.display = formName + ".Loaded";
    return r;
  }
  t.form = app.findForm(formName);
  t.display = formName;
  if (sel.parts.empty()) {
    t.kind = Target::Kind::Form;
    return r;
  }

  const NamePart& first = sel.parts[0];
  std::string controlName = first.name;
  if (controlName == "status" && formName == kMainForm) controlName = "StatusBar1";
  bool array = t.form->isArray(controlName);
  rt::Control* c = nullptr;
  if (array && first.index) c = t.form->find(controlName, *first.index);
  if (!array && !first.index) c = t.form->find(controlName);

  if (!c) {
    // A window's own property: FORM.Property.
    if (namedForm && sel.parts.size() == 1 && !first.index && t.form->get(first.name)) {
      t.kind = Target::Kind::FormProperty;
      t.property = first.name;
      t.display += "." + first.name;
      return r;
    }
    if (array && !first.index) {
      r.error = "control array " + formName + "." + first.name + " needs an index";
    } else if (!array && first.index && t.form->find(controlName)) {
      r.error = formName + "." + first.name + " is not a control array";
    } else {
      r.error = "unknown control " + formName + "." + partText(first);
    }
    return r;
  }
  t.control = c;
  t.display += "." + partText(first);
  if (sel.parts.size() == 1) {
    t.kind = Target::Kind::Control;
    return r;
  }

  const NamePart& prop = sel.parts[1];
  t.kind = Target::Kind::ControlProperty;
  t.property = prop.name;
  t.propertyIndex = prop.index;
  t.display += "." + partText(prop);
  if (isListProperty(prop.name) && c->kind() == rt::ControlKind::ComboBox) {
    if (!prop.index) r.error = "property " + prop.name + " needs an index";
    return r;
  }
  if (prop.index) {
    r.error = "property " + prop.name + " takes no index";
    return r;
  }
  if (!c->get(prop.name)) r.error = "unknown property " + t.display;
  return r;
}

ReadResult readProperty(const Target& t) {
  ReadResult r;
  if (t.kind == Target::Kind::FormProperty) {
    if (t.property == "Loaded") {
      r.value = rt::Value{t.form != nullptr};
    } else {
      r.value = t.form->get(t.property);
    }
    return r;
  }
  if (t.kind != Target::Kind::ControlProperty) return r;
  if (t.propertyIndex && t.control->kind() == rt::ControlKind::ComboBox) {
    auto& list = static_cast<const rt::ComboBox&>(*t.control);
    int i = *t.propertyIndex;
    if (i >= list.ListCount()) {
      r.missing = "no entry " + std::to_string(i) + " (ListCount " + std::to_string(list.ListCount()) + ")";
    } else if (t.property == "List") {
      r.value = rt::Value{list.List(i)};
    } else {
      r.value = rt::Value{static_cast<double>(list.ItemData(i))};
    }
    return r;
  }
  r.value = t.control->get(t.property);
  return r;
}

std::string writeProperty(const Target& t, const rt::Value& v) {
  if (!t.isProperty()) return "not a property: " + t.display;
  bool ok = false;
  if (t.kind == Target::Kind::FormProperty) {
    ok = t.property != "Loaded" && t.form->set(t.property, v);
  } else if (!t.propertyIndex) {
    ok = t.control->set(t.property, v);
  } else if (t.property == "ItemData") {
    auto& list = static_cast<rt::ComboBox&>(*t.control);
    const double* d = std::get_if<double>(&v);
    int i = *t.propertyIndex;
    ok = d && *d == std::floor(*d) && std::fabs(*d) <= 2147483647.0 && i < list.ListCount();
    if (ok) list.setItemData(i, static_cast<long>(*d));
  }
  return ok ? "" : "cannot set " + t.display + " to " + formatValue(v);
}

}  // namespace mirl::scenario
