#pragma once
#include "runtime/control.h"

namespace mirl {
class App;

// Selects the whole text of a field that just got the focus, while the menu
// option mnu_Service_Auto_Markierung is checked (read at every focus).
void selectOnFocus(App& app, rt::TextBox& box);

}  // namespace mirl
