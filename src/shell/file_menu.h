#pragma once
// The file menu: import and export of session files.
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

}  // namespace mirl
