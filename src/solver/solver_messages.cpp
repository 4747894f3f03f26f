#include "solver/solver_messages.h"

#include <cmath>

#include "context/app.h"
#include "runtime/number.h"
#include "support/notice.h"

namespace mirl {

void showMessage(App& app, Msg text, Msg title, Msg status) {
  showNotice(app, rt::mb::Information, text, title, status);
}

void setCalcButton(App& app, Msg state) { app.main().btn_Berechnung->setCaption(app.texts[state]); }

std::string wholeNumberText(double value) { return rt::num::plain(std::nearbyint(value)); }

std::string countText(const MessageTable& texts, Msg before, double count, Msg after) {
  return texts[before] + wholeNumberText(count) + texts[after];
}

}  // namespace mirl
