#pragma once
// The main window's status line, written by every subsystem that reports a
// result or a refusal.
#include <string_view>

namespace mirl {
class App;

// Puts a text into the first panel of the main window's status bar.
void Statusleiste_Text(App& app, std::string_view text);

}  // namespace mirl
