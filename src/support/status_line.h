#pragma once
#include <string_view>

namespace mirl {
class App;

// Puts a text into the first panel of the main window's status bar.
void Statusleiste_Text(App& app, std::string_view text);

}  // namespace mirl
