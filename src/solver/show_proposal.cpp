#include "solver/show_proposal.h"

#include "context/app.h"
#include "model/refresh.h"
#include "runtime/number.h"
#include "solver/solver_messages.h"

namespace mirl {

void Vorschlag_Anzeigen(App& app, const ProposalList& list, int index) {
  FrmMain& w = app.main();
  // An index outside the list reads nothing; the label and the refresh
  // still follow.
  if (index >= 0 && index < kProposalPlaces) {
    // Ticking a box runs its click handler (and with it a refresh) before
    // the amounts of its group are written.
    for (int s = 0; s < kBaseSlots; ++s) {
      if (list[index].baseAmount(s) > 0 && w.basis[s].chk->Value() == 0) w.basis[s].chk->setValue(1);
    }
    for (int s = 0; s < kBaseSlots; ++s) w.basis[s].txt_Menge->setText(rt::num::plain(list[index].baseAmount(s)));
    for (int k : kFlavourRowNumbers) {
      if (list[index].flavourAmount(k) > 0 && w.aroma[k].chk_Aroma->Value() == 0) w.aroma[k].chk_Aroma->setValue(1);
    }
    for (int k : kFlavourRowNumbers) {
      w.aroma[k].txt_Aroma_Menge_ml->setText(rt::num::plain(list[index].flavourAmount(k)));
    }
  }
  w.lbl_TopTen->setCaption(app.texts[Msg::Text_Vorschlag] + wholeNumberText(app.solver.Vorschlag_Index + 1) + " / " +
                           wholeNumberText(app.solver.Vorschlag_Letzter_Index + 1));
  Anzeige_Aktualisieren(app);
}

}  // namespace mirl
