#include "solver/solver_messages.h"

#include <cmath>

#include "context/app.h"
#include "runtime/number.h"
#include "support/status_line.h"

namespace mirl {

void showMessage(App& app, Msg text, Msg title, Msg status) {
  if (!app.main().messageBoxesOff()) {
    app.host().messageBox(app.texts[text], rt::mb::Information, app.texts[title]);
  }
  Statusleiste_Text(app, app.texts[status]);
}

void setCalcButton(App& app, Msg state) { app.main().btn_Berechnung->setCaption(app.texts[state]); }

std::string wholeNumberText(double value) { return rt::num::plain(std::nearbyint(value)); }

std::string countText(App& app, Msg before, double count, Msg after) {
  return app.texts[before] + wholeNumberText(count) + app.texts[after];
}

}  // namespace mirl
