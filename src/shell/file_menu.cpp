#include "shell/file_menu.h"

#include <filesystem>
#include <string>
#include <string_view>

#include "context/app.h"
#include "model/refresh.h"
#include "runtime/ini_file.h"
#include "shell/session.h"
#include "support/dialogs.h"
#include "support/file_name.h"
#include "support/last_paths.h"
#include "support/notice.h"
#include "support/program_files.h"
#include "support/registry_layout.h"
#include "support/status_line.h"

namespace mirl {

namespace {

constexpr std::string_view kImportFilter = "Unterstütztes Format (*.ini)|*.ini;";
constexpr std::string_view kExportFilter = "Initialitionsdatei (*.ini)|*.ini;";
constexpr std::string_view kExportExtension = "ini";
// Where a session dialog starts: the last file of its kind or, when there is
// none, the folder "Kochbuch".
std::string startPlace(App& app, std::string_view lastPath) {
  return dialogStartPath(app, lastPath, kCookbookFolder);
}

}  // namespace

void frm_Main_mnu_Datei_Oeffnen_Click(App& app) {
  const std::string file = Dialog_Oeffnen(app, kImportFilter, startPlace(app, reg::kImportFilePath));
  if (file.empty()) return;
  // A file gone since it was chosen loads nothing. One that cannot be read
  // (or is too large), and one that holds no section of a session file,
  // is reported and changes nothing, not even the last path.
  const rt::ini::Loaded loaded = rt::ini::load(file);
  if (loaded.found == rt::ini::Found::Missing) return;
  if (loaded.found != rt::ini::Found::Text || !holdsSession(app, loaded.document)) {
    reportReadFailure(app);
    return;
  }
  rememberPath(app, reg::kImportFilePath, file);
  Session_Laden(app, loaded);
  Anzeige_Aktualisieren(app);
  Statusleiste_Text(app, app.texts[Msg::Msg_Import_Status_Ok]);
}

void frm_Main_mnu_Datei_Speichern_Unter_Click(App& app) {
  const std::string proposal = proposedSaveName(app.main().txt_Berechnung_Zusammenstellung->Text());
  const std::string file = Dialog_Speichern(app, kExportFilter, kExportExtension, startPlace(app, reg::kExportFilePath), proposal);
  if (file.empty()) {
    Statusleiste_Text(app, app.texts[Msg::Msg_Speichern_Status_Abbruch]);
    return;
  }
  rememberPath(app, reg::kExportFilePath, file);
  if (Session_Speichern(app, file)) {
    Statusleiste_Text(app, app.texts[Msg::Msg_Speichern_Status_Ok]);
  } else {
    reportSaveFailure(app);
  }
}

}  // namespace mirl
