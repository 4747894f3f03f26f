#pragma once
// The design values of the main window's inputs (model/main_inputs.h): what
// the window is built with and what the reset puts back. One table per
// owner, in the order the window is built: a base group's values per slot,
// a flavour row's value with "{k}" standing for the row number, the
// window's own. Lists hold no design value (they are filled at start-up).
// The constructor applies the table; the session's read defaults and the
// reset take their values from it.
#include <optional>
#include <string>
#include <string_view>

#include "model/main_inputs.h"

namespace mirl {

// The manufacturer's web address that every base starts with.
inline constexpr std::string_view kManufacturerAddress = "www.quillfen.example";

// A value with "{k}" replaced by the row number.
std::string withRowNumber(std::string_view value, int row);

// The design value of control c of f as text; nothing for a list or a
// control that is no input.
std::optional<std::string> designValue(FrmMain& f, const rt::Control& c);

// Writes every design value into the window, owner by owner in table order.
// Used while the window is built, before any handler is wired.
void applyDesign(FrmMain& f);

// The inputs the table names, in its order.
InputOrder designInputs();

}  // namespace mirl
