#pragma once
// The model's wiring: connects the main window's controls that only refresh
// or select their text, and the live panel's buttons. Called by the shell;
// the select-on-focus helper is shared with the other subsystems' wiring.
#include "runtime/control.h"

namespace mirl {
class App;

// Connects the model's handlers of the main window: the controls whose only
// reaction is the master refresh and the fields that select their text on
// focus.
void wireModelHandlers(App& app);
// Connects the live panel's two mix buttons and the colour option.
void wireLiveHandlers(App& app);

// Selects the whole text of a field that just got the focus, while the menu
// option mnu_Service_Auto_Markierung is checked (read at every focus).
void selectOnFocus(App& app, rt::TextBox& box);

}  // namespace mirl
