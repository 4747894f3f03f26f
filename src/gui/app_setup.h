#pragma once
// What every window of the program shares: the style, the names the
// program is known by, its icon, and the desktop entry by which the desktop
// matches its windows.
namespace mirl::gui {

// Call once, right after the QApplication is made.
void setUpApplication();

}  // namespace mirl::gui
