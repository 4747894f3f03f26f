#include "solver/hit_search.h"

#include <array>
#include <optional>

#include "context/app.h"
#include "model/composition.h"
#include "model/field_value.h"
#include "model/refresh.h"
#include "solver/approximation.h"
#include "solver/base_record.h"
#include "solver/grid_mixing.h"
#include "solver/plausibility.h"
#include "solver/proposals.h"
#include "solver/rescale.h"
#include "solver/search_common.h"
#include "solver/show_proposal.h"
#include "solver/solver_messages.h"
#include "support/status_line.h"

namespace mirl {

namespace {

enum class GridEnd { RanThrough, HitLimit, Cancelled };

// Price of 100 ml of a mixture of the given parts, from the price fields and
// reference quantities as they stand now; nothing when one of them cannot
// be read (a list without selection, a price that is no number) or the
// parts add up to 0.
std::optional<double> price100ml(const FrmMain& w, const BaseSet& rec) {
  double sum = 0;
  for (int s = 0; s < kBaseSlots; ++s) {
    const BaseSlot& slot = w.basis[s];
    auto quantity = slot.cbo_Preis->selectedItemData();
    auto price = fieldNumber(*slot.txt_Preis_100_ml);
    if (!quantity || *quantity == 0 || !price) return std::nullopt;
    sum = sum + rec[s].Menge / static_cast<double>(*quantity) * *price;
  }
  const double total = rec[0].Menge + rec[1].Menge + rec[2].Menge + rec[3].Menge + rec[4].Menge + rec[5].Menge;
  if (total == 0) return std::nullopt;
  return sum / total * 100;
}

// The grid: one loop per slot, slot 1 outermost. A ticked level tests the
// whole current combination at every step, the deeper slots holding the
// parts they were given last; an unticked level makes one pass with 0 parts
// and neither tests, polls nor yields. Each level hands the loop inside it
// the sums of its own and the enclosing slots' terms (see grid_mixing.h).
class HitGrid {
 public:
  HitGrid(App& app, const Basis_Datensatz& target, const BaseSet& bases,
          const std::array<bool, kBaseSlots>& ticked, int N, int progressSlot, GridMixing mixing)
      : app_(app),
        loop_(app.loop()),
        target_(target),
        targetShares_(gridShares(target)),
        rec_(bases),
        mixer_(bases, N),
        ticked_(ticked),
        N_(N),
        progressSlot_(progressSlot),
        mixing_(mixing) {
    while (lastTicked_ > 0 && !ticked_[lastTicked_]) --lastTicked_;
    nicotineFirst_ = mixer_.nicotineOnlyAfter(lastTicked_);
  }

  GridEnd run() { return descend(0, GridPrefix{}); }
  int hits() const { return hits_; }

 private:
  void setParts(int k, int i) {
    parts_[k] = i;
    rec_[k].Menge = i;
  }

  // In the innermost loop (the last ticked slot's) the slots after it hold
  // 0 parts, so the mixer decides most steps by the nicotine share alone.
  template <bool Innermost>
  bool isHit(const GridPrefix& before, int k) const {
    if (mixing_ == GridMixing::Straightforward) return Mischung_Ist_Treffer(Mischung_Berechnen(rec_), target_);
    if (Innermost && !mixer_.nicotineMeets(before, k, parts_[k], targetShares_[0])) return false;
    return mixer_.isHit(before, k, parts_, targetShares_);
  }

  // The loops of slot k and deeper. An unticked slot keeps 0 parts and its
  // pass does nothing else, so it only hands its zero terms on; below the
  // last ticked slot nothing is left to do.
  GridEnd descend(int k, GridPrefix before) {
    for (; k < kBaseSlots && !ticked_[k]; ++k) before = mixer_.extend(before, k, 0);
    if (k == kBaseSlots) return GridEnd::RanThrough;
    if (k == lastTicked_ && nicotineFirst_) return level<true>(k, before);
    return level<false>(k, before);
  }

  // The loop of a ticked slot.
  template <bool Innermost>
  GridEnd level(int k, const GridPrefix& before) {
    for (int i = 0; i <= N_; ++i) {
      setParts(k, i);
      if (isHit<Innermost>(before, k)) {
        store();
        if (hits_ == kProposalPlaces) return GridEnd::HitLimit;
      }
      if (app_.solver.Berechnung_Abbrechen) return GridEnd::Cancelled;
      loop_.DoEvents();
      if (k == progressSlot_) setProgress(app_, i);
      if (k < lastTicked_) {
        const GridEnd end = descend(k + 1, mixer_.extend(before, k, i));
        if (end != GridEnd::RanThrough) return end;
      }
    }
    return GridEnd::RanThrough;
  }

  void store() {
    Vorschlag_Datensatz& hit = app_.solver.Trefferliste[hits_];
    for (int s = 0; s < kBaseSlots; ++s) hit.baseAmount(s) = rec_[s].Menge;
    if (auto price = price100ml(app_.main(), rec_)) hit.price() = *price;
    ++hits_;
  }

  App& app_;
  rt::EventLoop& loop_;
  const Basis_Datensatz target_;
  const GridShares targetShares_;
  BaseSet rec_;
  GridParts parts_{};
  const GridMixer mixer_;
  const std::array<bool, kBaseSlots> ticked_;
  const int N_;
  const int progressSlot_;
  const GridMixing mixing_;
  int lastTicked_ = kBaseSlots - 1;
  bool nicotineFirst_ = false;  // the innermost loop may test nicotine first
  int hits_ = 0;
};

// Sorts, rescales and shows the hits found (the first part of both endings
// with hits).
void showHits(App& app, int hits) {
  SolverState& st = app.solver;
  app.main().ProgressBar1->setVisible(false);
  st.Vorschlag_Letzter_Index = hits - 1;
  st.Vorschlag_Index = 0;
  Vorschlaege_Uebernehmen(app, st.Trefferliste, st.Vorschlagsliste);
  Vorschlaege_Auf_Menge_Umrechnen(app, st.Vorschlagsliste);
  st.Vorschlaege_Vorhanden = true;
  Vorschlag_Anzeigen(app, st.Vorschlagsliste, listIndex(st.Vorschlag_Index));
}

// The status text that ends a search with hits: the singular pair for one
// proposal, the plural pair otherwise, around the number of proposals.
struct CountTexts {
  Msg oneBefore, oneAfter, manyBefore, manyAfter;
};
constexpr CountTexts kDepthReached{Msg::Msg_Tiefe_Status_Treffer_Vor, Msg::Msg_Tiefe_Status_Treffer_Nach,
                                   Msg::Msg_Tiefe_Status_Treffern_Vor, Msg::Msg_Tiefe_Status_Treffern_Nach};
constexpr CountTexts kCancelled{Msg::Msg_Abbruch_Status_Treffer_Vor, Msg::Msg_Abbruch_Status_Treffer_Nach,
                                Msg::Msg_Abbruch_Status_Treffern_Vor, Msg::Msg_Abbruch_Status_Treffern_Nach};

void showCountStatus(App& app, const CountTexts& t) {
  const double last = app.solver.Vorschlag_Letzter_Index;
  const bool one = last == 0;
  Statusleiste_Text(app, countText(app.texts, one ? t.oneBefore : t.manyBefore, last + 1, one ? t.oneAfter : t.manyAfter));
}

void endCancelled(App& app, int hits) {
  showHits(app, hits);
  showCountStatus(app, kCancelled);
  app.main().setMousePointer(rt::pointer::Default);
}

void endWithHits(App& app, int hits) {
  showHits(app, hits);
  showCountStatus(app, kDepthReached);
  app.main().setMousePointer(rt::pointer::Default);
  // A click during the last yield, with no poll after it: the cancel ending
  // follows and its status text wins.
  if (app.solver.Berechnung_Abbrechen) endCancelled(app, hits);
}

void declineApproximation(App& app) {
  Statusleiste_Text(app, app.texts[Msg::Msg_Tiefe_Status_Keine_Annaeherung]);
  app.solver.Vorschlag_Letzter_Index = 0;
  app.solver.Vorschlaege_Vorhanden = false;
  Anzeige_Aktualisieren(app);
  app.main().setMousePointer(rt::pointer::Default);
}

void endWithoutHits(App& app, GridMixing mixing) {
  FrmMain& w = app.main();
  if (w.messageBoxesOff()) {
    // Nobody is asked: the next click on the button starts the approximation.
    declineApproximation(app);
    setCalcButton(app, Msg::Text_Btn_Annaeherung);
    return;
  }
  const int answer =
      app.host().messageBox(app.texts[Msg::Msg_Tiefe_Text], rt::mb::YesNo, app.texts[Msg::Msg_Tiefe_Titel]);
  if (answer == rt::mb::Yes) {
    Statusleiste_Text(app, app.texts[Msg::Msg_Tiefe_Status_Annaeherung]);
    app.solver.Vorschlaege_Vorhanden = Annaeherung_Suche_V1(app, mixing);
    w.setMousePointer(rt::pointer::Default);
  } else {
    declineApproximation(app);
  }
  setCalcButton(app, Msg::Text_Btn_Berechnen);
}

}  // namespace

void Berechnung_Treffersuche(App& app, GridMixing mixing) {
  FrmMain& w = app.main();
  SolverState& st = app.solver;

  resetProposals(st);

  if (Nikotin_Basen_Pruefen(app)) {
    endRefused(app);
    return;
  }

  w.setMousePointer(rt::pointer::Hourglass);
  Vorschlaege_Loeschen(st.Trefferliste);

  Basis_Datensatz target;
  if (!readSearchTarget(app, target, true)) {
    // The flavour share could not be taken out (its own message stands).
    endRefused(app);
    return;
  }

  BaseSet bases{};
  std::array<bool, kBaseSlots> ticked{};
  int count = 0;
  for (int s = 0; s < kBaseSlots; ++s) {
    const BaseSlot& slot = w.basis[s];
    if (slot.chk->Value() == 0) continue;
    ticked[s] = true;
    ++count;
    takeComposition(readBase(slot), bases[s]);
    auto quantity = slot.cbo_Preis->selectedItemData();
    auto price = fieldNumber(*slot.txt_Preis_100_ml);
    if (quantity && *quantity != 0 && price) bases[s].Preis_je_ml = *price / static_cast<double>(*quantity);
  }
  const int N = partsPerBase(count);

  Statusleiste_Text(app, "");
  startProgress(app, N);

  // The outermost ticked slot drives the progress bar (never the sixth: a
  // search needs two ticked bases).
  int progressSlot = -1;
  for (int s = 0; s < kBaseSlots - 1 && progressSlot < 0; ++s) {
    if (ticked[s]) progressSlot = s;
  }

  HitGrid grid(app, target, bases, ticked, N, progressSlot, mixing);
  GridEnd end;
  {
    SearchLock lock(app);
    end = grid.run();
  }

  switch (end) {
    case GridEnd::Cancelled:
      endCancelled(app, grid.hits());
      break;
    case GridEnd::HitLimit:
      endWithHits(app, grid.hits());
      break;
    case GridEnd::RanThrough:
      w.ProgressBar1->setVisible(false);
      if (grid.hits() >= 1) {
        endWithHits(app, grid.hits());
      } else {
        endWithoutHits(app, mixing);
      }
      break;
  }
  w.setMousePointer(rt::pointer::Default);
}

}  // namespace mirl
