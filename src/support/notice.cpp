#include "support/notice.h"

#include <string>

#include "context/app.h"
#include "runtime/host.h"
#include "support/status_line.h"

namespace mirl {

void showNotice(App& app, int style, Msg text, Msg title, Msg status, std::string_view statusSuffix) {
  if (!app.main().messageBoxesOff()) app.host().messageBox(app.texts[text], style, app.texts[title]);
  Statusleiste_Text(app, app.texts[status] + std::string(statusSuffix));
}

void reportSaveFailure(App& app) {
  showNotice(app, rt::mb::Exclamation, Msg::Msg_Speichern_Fehler_Text, Msg::Msg_Speichern_Fehler_Titel,
             Msg::Msg_Speichern_Fehler_Status);
}

void reportReadFailure(App& app) {
  showNotice(app, rt::mb::Exclamation, Msg::Msg_Import_Fehler_Text, Msg::Msg_Import_Fehler_Titel,
             Msg::Msg_Import_Fehler_Status);
}

}  // namespace mirl
