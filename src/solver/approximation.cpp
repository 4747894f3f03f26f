#include "solver/approximation.h"

#include <array>

#include "context/app.h"
#include "model/composition.h"
#include "solver/base_record.h"
#include "solver/grid_mixing.h"
#include "solver/nearness.h"
#include "solver/proposals.h"
#include "solver/rescale.h"
#include "solver/score_filter.h"
#include "solver/search_common.h"
#include "solver/show_proposal.h"
#include "solver/solver_messages.h"
#include "support/status_line.h"

namespace mirl {

namespace {

// The grid of the approximation. Every pass of every loop re-reads its
// base's tick box (the message loop runs in between); a ticked base mixes
// and inserts the current combination, an unticked one takes 0 parts and
// ends its loop after this pass. Every pass then polls the cancel request,
// and loops 1 to 5 yield once more (the insertion itself yields too). Each
// level hands the loop inside it the sums of its own and the enclosing
// slots' terms (see grid_mixing.h).
class NearGrid {
 public:
  NearGrid(App& app, const BaseSet& bases, int N, int progressSlot, const ScoreTerms& target, GridMixing mixing)
      : app_(app),
        loop_(app.loop()),
        w_(app.main()),
        rec_(bases),
        mixer_(bases, N),
        filter_(app.model, bases, N, target),
        list_(app.solver.Vorschlagsliste),
        N_(N),
        progressSlot_(progressSlot),
        target_(target),
        mixing_(mixing) {}

  // False when the search was cancelled.
  bool run() { return level(0, GridPrefix{}); }

 private:
  void setParts(int k, int i) {
    parts_[k] = i;
    rec_[k].Menge = i;
  }

  // Scores the current combination and offers it to the list by its
  // distance to the target. With the tables, most steps are settled by the
  // estimate (score_filter.h): their insertion would only have let the
  // message loop run and refused them. (The estimate reads the list before
  // that pass, the insertion after it; nothing a pass may run during a
  // search touches the list.)
  void offer(const GridPrefix& before, int k) {
    GridShares mix;
    if (mixing_ == GridMixing::Straightforward) {
      mix = gridShares(Mischung_Berechnen(rec_));
    } else {
      const GridPrefix all = mixer_.complete(before, k, parts_);
      if (filter_.clearlyFarther(all, list_)) {
        loop_.DoEvents();
        return;
      }
      mix = GridMixer::shares(all);
    }
    const ScoreTerms terms = scoreTerms(app_.model, mix[0], mix[1], mix[2], mix[3], mix[4]);
    Vorschlag_Datensatz candidate;
    for (int s = 0; s < kBaseSlots; ++s) candidate.baseAmount(s) = rec_[s].Menge;
    candidate.score() = Viskositaet_Mischung(terms);
    Naeherung_Einfuegen(app_, candidate, nearnessDistance(terms, target_), list_);
  }

  bool level(int k, const GridPrefix& before) {
    for (int i = 0; i <= N_; ++i) {
      if (w_.basis[k].chk->Value() != 0) {
        setParts(k, i);
        offer(before, k);
      } else {
        setParts(k, 0);
        i = N_;
      }
      if (app_.solver.Berechnung_Abbrechen) return false;
      if (k + 1 < kBaseSlots) loop_.DoEvents();
      if (k == progressSlot_) setProgress(app_, i);
      if (k + 1 < kBaseSlots && !level(k + 1, mixer_.extend(before, k, parts_[k]))) return false;
    }
    return true;
  }

  App& app_;
  rt::EventLoop& loop_;
  FrmMain& w_;
  BaseSet rec_;
  GridParts parts_{};
  const GridMixer mixer_;
  const ScoreFilter filter_;
  NearList list_;
  const int N_;
  const int progressSlot_;
  const ScoreTerms target_;
  const GridMixing mixing_;
};

}  // namespace

bool Annaeherung_Suche_V1(App& app, GridMixing mixing) {
  FrmMain& w = app.main();
  SolverState& st = app.solver;

  resetProposals(st);
  w.setMousePointer(rt::pointer::Hourglass);

  // With the flavours counted inside, what the bases alone must have, so
  // that the proposals, once the flavours are put in, come near the target
  // as entered. Unrounded: the nearest mixture need not meet it exactly,
  // and 0,05 mg/ml of rounding would weigh as much as 169 points of VG.
  Basis_Datensatz t;
  if (!readSearchTarget(app, t, false)) {
    endRefused(app);
    return false;
  }
  const ScoreTerms target = scoreTerms(app.model, t.N_Prozent, t.PG_Prozent, t.VG_Prozent, t.Wasser_Prozent,
                                       t.Sonst_Prozent);

  BaseSet bases{};
  int count = 0;
  for (int s = 0; s < kBaseSlots; ++s) {
    if (w.basis[s].chk->Value() == 0) continue;
    ++count;
    takeComposition(readBase(w.basis[s]), bases[s]);
  }
  const int parts = partsPerBase(count);

  Statusleiste_Text(app, "");
  startProgress(app, parts);

  // The first ticked of the first four slots drives the progress bar; when
  // none is, the fifth loop does while the sixth base is ticked.
  int progressSlot = -1;
  for (int s = 0; s < 4 && progressSlot < 0; ++s) {
    if (w.basis[s].chk->Value() != 0) progressSlot = s;
  }
  if (progressSlot < 0 && w.basis[VPG_Basis].chk->Value() != 0) progressSlot = VG_Basis;

  bool cancelled;
  {
    SearchLock lock(app);
    cancelled = !NearGrid(app, bases, parts, progressSlot, target, mixing).run();
  }

  // The insertion fills the places from the front: the proposals are the
  // places up to the first empty one.
  int filled = 0;
  while (filled < kNearPlaces && st.Vorschlagsliste[filled].score() != 0) ++filled;

  w.ProgressBar1->setVisible(false);
  st.Vorschlag_Letzter_Index = filled - 1;
  st.Vorschlag_Index = 0;
  Vorschlaege_Auf_Menge_Umrechnen(app, st.Vorschlagsliste);
  st.Vorschlaege_Vorhanden = true;
  Vorschlag_Anzeigen(app, st.Vorschlagsliste, listIndex(st.Vorschlag_Index));
  if (cancelled) {
    Statusleiste_Text(app, countText(app.texts, Msg::Msg_Abbruch_Status_Treffern_Vor, st.Vorschlag_Letzter_Index + 1,
                                       Msg::Msg_Abbruch_Status_Treffern_Nach));
  } else {
    Statusleiste_Text(app, countText(app.texts, Msg::Msg_Tiefe_Status_Treffer_Vor, st.Vorschlag_Letzter_Index + 1,
                                       Msg::Msg_Tiefe_Status_Treffer_Nach));
  }
  w.setMousePointer(rt::pointer::Default);
  return true;
}

}  // namespace mirl
