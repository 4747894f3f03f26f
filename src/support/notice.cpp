#include "support/notice.h"

#include <string>

#include "context/app.h"
#include "support/status_line.h"

namespace mirl {

void showNotice(App& app, int style, Msg text, Msg title, Msg status, std::string_view statusSuffix) {
  if (!app.main().messageBoxesOff()) app.host().messageBox(app.texts[text], style, app.texts[title]);
  Statusleiste_Text(app, app.texts[status] + std::string(statusSuffix));
}

}  // namespace mirl
