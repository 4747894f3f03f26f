#pragma once
// The file menu: import and export of session files.
#include <string>
#include <string_view>

namespace mirl {
class App;

// Asks for a session file (starting at the last one imported, or in the
// folder "Kochbuch"), remembers it, loads it and refreshes the window. A
// file that cannot be read is reported and loads nothing.
void frm_Main_mnu_Datei_Oeffnen_Click(App& app);

// Asks where to save the session (proposing the recipe's name), remembers
// the path and saves; the status line tells whether it was saved, failed or
// was cancelled.
void frm_Main_mnu_Datei_Speichern_Unter_Click(App& app);

// The file name proposed for a recipe name: cleaned of the characters a
// file name must not hold, and without full stops at either end (a name
// starting with one would be a hidden file).
std::string proposedFileName(std::string_view recipeName);

}  // namespace mirl
