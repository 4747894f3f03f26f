#pragma once
// A selector resolved against the running application: the window, the
// control and the property it names, with reading and writing by the
// runtime's property names.
#include <optional>
#include <string>

#include "runtime/control.h"
#include "runtime/form.h"
#include "scenario/selector.h"

namespace mirl {
class App;
}

namespace mirl::scenario {

struct Target {
  enum class Kind { Form, FormProperty, Control, ControlProperty };
  Kind kind = Kind::Form;
  // Null only for the property Loaded of a window that is not loaded.
  rt::Form* form = nullptr;
  rt::Control* control = nullptr;
  std::string property;
  std::optional<int> propertyIndex;
  // "frm_Main.txt_Aroma_Menge(3).Text", for messages.
  std::string display;

  bool isProperty() const { return kind == Kind::FormProperty || kind == Kind::ControlProperty; }
};

struct TargetResult {
  Target target;
  std::string error;  // empty when resolved
};

// Resolves a selector. Errors: an unknown window, a window that the
// application does not have yet, an unknown control, a missing or
// superfluous array index, an unknown property.
TargetResult resolve(App& app, const Selector& selector);

// The property that holds what a control shows: Text for text boxes, lists
// and the status bar, Caption for every other control that has one.
std::optional<std::string> textProperty(const rt::Control& c);

struct ReadResult {
  std::optional<rt::Value> value;
  // Why there is no value (an ItemData or List index outside the list).
  std::string missing;
};

// Reads a property target.
ReadResult readProperty(const Target& t);

// Writes a property target as code does; returns what went wrong, or "".
std::string writeProperty(const Target& t, const rt::Value& v);

}  // namespace mirl::scenario
