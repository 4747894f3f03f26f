// Stand-in until the direct solution lands: never finds one.
#include "model/frm_main.h"
#include "shell/app.h"
#include "solver/direct_solution.h"

namespace mirl {
void Schnell_Loesung_Berechnen(App& app, bool) {
  app.main().btn_Berechnung->setCaption(app.texts[Msg::Text_Btn_Berechnen]);
}
}  // namespace mirl
