#pragma once
// The language menu of the main window: its two entries and their check
// marks. Wired by the shell; the session load chooses the language through
// it.
#include "support/message_table.h"

namespace mirl {
class App;

// Checks the language's menu entry, unchecks the other and applies the
// language's texts.
void chooseLanguage(App& app, Language lang);

// The language menu: check the chosen entry, uncheck the other, apply the
// language's texts (also when it is the language already in force).
void frm_Main_mnu_Service_Sprache_Deutsch_Click(App& app);
void frm_Main_mnu_Service_Sprache_English_Click(App& app);

}  // namespace mirl
