#include "conversions/conversion_messages.h"

#include <string>

#include "context/app.h"
#include "support/status_line.h"

namespace mirl {

void reportConversionError(App& app, Msg text, Msg title, Msg status, std::string_view suffix) {
  if (!app.main().messageBoxesOff()) {
    app.host().messageBox(app.texts[text], rt::mb::Information, app.texts[title]);
  }
  Statusleiste_Text(app, app.texts[status] + std::string(suffix));
}

}  // namespace mirl
