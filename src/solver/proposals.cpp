#include "solver/proposals.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "context/app.h"

namespace mirl {

namespace {
bool inList(int index) { return index >= 0 && index < kProposalPlaces; }

// Number of filled places for a last index held as a double: -1 and below
// mean none, above 77 means all.
int filledPlaces(double lastIndex) {
  int last = listIndex(lastIndex);
  if (last < -1) last = -1;
  if (last >= kProposalPlaces) last = kProposalPlaces - 1;
  return last + 1;
}

// Whether two prices are one: the same mixture priced along different paths
// of the search differs in the last places, so prices within 1e-9 of the
// larger one's size count as equal.
bool samePrice(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max(std::fabs(a), std::fabs(b)); }
bool higherPrice(double a, double b) { return a > b && !samePrice(a, b); }
}  // namespace

int listIndex(double index) {
  if (!(index > -32768.5 && index < 32767.5)) return index > 0 ? 32767 : -32768;
  return static_cast<int>(std::nearbyint(index));
}

void Vorschlaege_Loeschen(ProposalList& list) { list.fill(Vorschlag_Datensatz{}); }

void Vorschlag_Lesen(const ProposalList& list, int index, Vorschlag_Datensatz& rec) {
  if (inList(index)) rec = list[static_cast<size_t>(index)];
}

void resetProposals(SolverState& st) {
  st.Vorschlag_Letzter_Index = 0;
  st.Vorschlag_Index = 0;
  Vorschlaege_Loeschen(st.Vorschlagsliste);
  Vorschlaege_Loeschen(st.Trefferliste);
}

void Vorschlag_Kopieren(const ProposalList& from, int fromIndex, ProposalList& to, int toIndex) {
  if (inList(fromIndex) && inList(toIndex)) to[static_cast<size_t>(toIndex)] = from[static_cast<size_t>(fromIndex)];
}

int sortProposalRange(ProposalList& list, int filled) {
  if (filled < 0) filled = 0;
  if (filled > kProposalPlaces) filled = kProposalPlaces;

  // Bubble sort over the filled places; only a price higher by more than
  // the noise moves back, so records of the same price keep the order in
  // which they were found.
  for (int bound = filled - 2; bound >= 0; --bound) {
    for (int i = 0; i <= bound; ++i) {
      auto& a = list[static_cast<size_t>(i)];
      auto& b = list[static_cast<size_t>(i + 1)];
      if (higherPrice(a.price(), b.price())) std::swap(a, b);
    }
  }

  // One record per price: the sorted order puts repeats of a price right
  // after its first record, so a record is kept when its price is above the
  // last price kept by more than the noise. The first record is always
  // kept, so a price of 0 (bases without prices) survives once.
  ProposalList kept{};
  int count = 0;
  double lastPrice = 0;
  for (int i = 0; i < filled; ++i) {
    const auto& rec = list[static_cast<size_t>(i)];
    if (count == 0 || higherPrice(rec.price(), lastPrice)) {
      kept[static_cast<size_t>(count)] = rec;
      lastPrice = rec.price();
      ++count;
    }
  }
  list = kept;
  return count;
}

void Vorschlaege_Sortieren(App& app, ProposalList& list) {
  const int kept = sortProposalRange(list, filledPlaces(app.solver.Vorschlag_Letzter_Index));
  app.solver.Vorschlag_Letzter_Index = kept - 1;
}

void Vorschlaege_Uebernehmen(App& app, const ProposalList& hits, ProposalList& shown) {
  const int filled = filledPlaces(app.solver.Vorschlag_Letzter_Index);
  for (int i = 0; i < filled; ++i) Vorschlag_Kopieren(hits, i, shown, i);
  Vorschlaege_Sortieren(app, shown);
}

}  // namespace mirl
