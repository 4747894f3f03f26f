#include "solver/nearness.h"

#include "context/app.h"

namespace mirl {

bool insertByNearness(const Vorschlag_Datensatz& candidate, ProposalList& list, double targetScore) {
  const double score = candidate.score();
  if (score <= 0) return false;
  const double d = Betrag_Differenz(score, targetScore);

  // The insertion fills the places from the front and keeps their distances
  // in rising order, so when the last place is taken and no farther than the
  // candidate, no place is: the common case of a full list, decided without
  // walking it.
  const Vorschlag_Datensatz& last = list[kNearPlaces - 1];
  if (last.score() != 0 && !(Betrag_Differenz(last.score(), targetScore) > d)) return false;

  for (int i = 0; i < kNearPlaces; ++i) {
    const double s = list[i].score();
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
