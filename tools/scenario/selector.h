#pragma once
// Names of windows, controls and properties as scenarios write them:
// FORM.NAME, FORM.NAME(INDEX), NAME, NAME(INDEX), each optionally followed
// by .Property or .Property(I) (ItemData, List); FORM alone or FORM.Property
// for a window. `status` is the main window's status bar.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirl::scenario {

// One dotted part: a name with an optional index in parentheses.
struct NamePart {
  std::string name;
  std::optional<int> index;
  bool operator==(const NamePart&) const = default;
};

struct Selector {
  // The window named first ("frm_..."), or "" when it is left out (the main
  // window).
  std::string form;
  // The parts after the window: none (the window itself), one (a control,
  // or a property of a named window), or two (a control and its property).
  std::vector<NamePart> parts;
  // As written, for messages.
  std::string text;

  bool operator==(const Selector&) const = default;
};

// The name of the main window, which a selector may leave out.
inline constexpr std::string_view kMainForm = "frm_Main";

struct SelectorResult {
  Selector selector;
  std::string error;  // empty when parsed
};

// Parses the syntax only; whether the names exist is decided against the
// running application (see target.h).
SelectorResult parseSelector(std::string_view word);

}  // namespace mirl::scenario
