#include "solver/nearness.h"

#include "context/app.h"

namespace mirl {

bool insertByNearness(const Vorschlag_Datensatz& candidate, ProposalList& list, double targetScore) {
  const double score = candidate(15);
  if (score <= 0) return false;
  const double d = Betrag_Differenz(score, targetScore);

  // The insertion fills the places from the front and keeps their distances
  // in rising order, so when the last place is taken and no farther than the
  // candidate, no place is: the common case of a full list, decided without
  // walking it.
  const Vorschlag_Datensatz& last = list[kNearPlaces - 1];
  if (last(15) != 0 && !(Betrag_Differenz(last(15), targetScore) > d)) return false;

  for (int i = 0; i < kNearPlaces; ++i) {
    const double s = list[i](15);
    if (s == 0 || Betrag_Differenz(s, targetScore) > d) {
      for (int j = kNearPlaces - 1; j > i; --j) list[j] = list[j - 1];
      list[i] = candidate;
      return true;
    }
  }
  return false;
}

void Naeherung_Einfuegen(App& app, const Vorschlag_Datensatz& candidate, ProposalList& list, double targetScore) {
  app.loop().DoEvents();
  insertByNearness(candidate, list, targetScore);
}

}  // namespace mirl
