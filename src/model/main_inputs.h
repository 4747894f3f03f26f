#pragma once
// The main window's inputs, listed once: every control the user sets whose
// value the design gives, a session keeps or the reset puts back. Those
// three are tables of their own (model/main_design, shell/session_fields,
// shell/factory_reset), each naming its inputs itself, in its own order,
// and none reads this list: it is what a test checks them against (each
// names every input once; every control the user sets is an input here or
// one of the menu's commands). An input's kind is the kind of its control:
// a text, a list, a tick box, a mode option or a menu mark.
#include <algorithm>
#include <iterator>
#include <span>
#include <string_view>
#include <vector>

#include "model/control_access.h"

namespace mirl {

// An input picks its control from its owner: a base slot, a flavour row or
// the window.
using BaseInput = rt::Control* (*)(BaseSlot&);
using RowInput = rt::Control* (*)(FlavourRow&);
using WindowInput = rt::Control* (*)(FrmMain&);

std::span<const BaseInput> baseInputs();
std::span<const RowInput> rowInputs();
std::span<const WindowInput> windowInputs();

// The inputs a table names, in its order (for the check of the tables).
struct InputOrder {
  std::vector<BaseInput> base;
  std::vector<RowInput> row;
  std::vector<WindowInput> window;
};

// The inputs of tables whose entries name theirs in `input`, in order.
template <class Input, class... Tables>
std::vector<Input> inputsOf(const Tables&... tables) {
  std::vector<Input> out;
  ((std::transform(tables.begin(), tables.end(), std::back_inserter(out), [](const auto& e) { return e.input; })), ...);
  return out;
}

// Sets an input from a text as code sets it: a text box takes the text; a
// list the position (0 first, -1 none); a tick box the state 0, 1 or 2; a
// mode option or a menu mark a truth value ("-1", "1" set, "0" clear). A
// tick box or an option raises Click when it changes. A text that does not
// convert, or a value the control cannot take, leaves it as it was.
void setInputText(rt::Control& control, std::string_view text);

}  // namespace mirl
