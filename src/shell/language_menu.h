#pragma once
namespace mirl {
class App;

// The language menu: check the chosen entry, uncheck the other, apply the
// language's texts (also when it is the language already in force).
void frm_Main_mnu_Service_Sprache_Deutsch_Click(App& app);
void frm_Main_mnu_Service_Sprache_English_Click(App& app);

}  // namespace mirl
