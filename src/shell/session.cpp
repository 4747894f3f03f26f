#include "shell/session.h"

#include <algorithm>
#include <iostream>
#include <vector>

#include "context/app.h"
#include "runtime/file_io.h"
#include "shell/language_menu.h"
#include "shell/session_fields.h"
#include "support/ini_access.h"

namespace mirl {

namespace {

void load(const SessionField& field, const rt::ini::Document& file) {
  applyFieldValue(field, file.read(field.section, field.key, field.readDefault));
}

// The language the marks ask for (German unless only English is checked),
// applied with marks that show it.
void applyLoadedLanguage(App& app) {
  const FrmMain& f = app.main();
  const bool english = !f.mnu_Service_Sprache_Deutsch->Checked() && f.mnu_Service_Sprache_English->Checked();
  chooseLanguage(app, english ? Language::English : Language::German);
}

}  // namespace

std::filesystem::path sessionFile(const App& app) { return app.programFolder() / "LastSession.ini"; }

bool holdsSession(App& app, const rt::ini::Document& file) {
  const std::vector<SessionField> fields = sessionFields(app.main(), app.flavours);
  return std::any_of(fields.begin(), fields.end(),
                     [&](const SessionField& field) { return file.hasSection(field.section); });
}

void keepDamagedSessionFile(App& app) {
  if (!app.sessionFileTooLarge) return;
  app.sessionFileTooLarge = false;
  const std::filesystem::path file = sessionFile(app);
  std::error_code gone;
  if (!rt::moveAside(file) && std::filesystem::symlink_status(file, gone).type() != std::filesystem::file_type::not_found) {
    std::cerr << "mirlfumarix: the session file " << file.string() << " could not be kept beside it\n";
  }
}

bool Session_Speichern(App& app, const std::filesystem::path& file) {
  const std::vector<SessionField> fields = sessionFields(app.main(), app.flavours);
  std::vector<std::string> values;
  values.reserve(fields.size());
  std::vector<rt::ini::Entry> keys;
  for (const SessionField& field : fields) {
    values.push_back(fieldValue(field));
    keys.push_back({field.section, field.key, values.back()});
  }
  return writeIniKeys(file, keys);
}

void Session_Laden(App& app, const std::filesystem::path& file) { Session_Laden(app, rt::ini::load(file)); }

void Session_Laden(App& app, const rt::ini::Loaded& loaded) {
  const bool fileRead = loaded.found == rt::ini::Found::Text;
  const rt::ini::Document& file = loaded.document;
  FrmMain& f = app.main();
  const std::vector<SessionField> fields = sessionFields(f, app.flavours);

  // The flavour-share box first: its reaction works on the target as the
  // window holds it, and the target read further on ends as stored.
  for (const SessionField& field : fields) {
    if (field.control == f.chk_AllAromaProzent) load(field, file);
  }

  // The mode and the options, then the colour flag from its mark and the
  // language from its marks.
  for (const SessionField& field : fields) {
    if (field.section != kSectionGlobal) continue;
    load(field, file);
    if (field.control == f.mnu_Service_Farben) app.model.Farbige_Hintergruende = f.mnu_Service_Farben->Checked();
  }
  applyLoadedLanguage(app);
  if (!f.calculationMode() && !f.liveMode()) f.opt_Berechnungsauswahl[0]->setValue(true);

  // The bases, the flavour rows, the target and the flavour table. Without
  // a session file the table keeps the values it holds (its defaults at
  // start-up): a missing key of a file reads as 0, a flavour of nothing.
  for (const SessionField& field : fields) {
    if (field.section == kSectionGlobal || field.control == f.chk_AllAromaProzent) continue;
    if (field.section == kSectionTable && !fileRead) continue;
    load(field, file);
  }
}

}  // namespace mirl
