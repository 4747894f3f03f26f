#include "shell/language_menu.h"

#include "context/app.h"
#include "support/language.h"

namespace mirl {

void chooseLanguage(App& app, Language lang) {
  FrmMain& f = app.main();
  f.mnu_Service_Sprache_Deutsch->setChecked(lang == Language::German);
  f.mnu_Service_Sprache_English->setChecked(lang == Language::English);
  if (lang == Language::German) {
    Sprache_Deutsch_Laden(app);
  } else {
    Sprache_English_Laden(app);
  }
}

void frm_Main_mnu_Service_Sprache_Deutsch_Click(App& app) { chooseLanguage(app, Language::German); }

void frm_Main_mnu_Service_Sprache_English_Click(App& app) { chooseLanguage(app, Language::English); }

}  // namespace mirl
