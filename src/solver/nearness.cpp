#include "solver/nearness.h"

#include "context/app.h"

namespace mirl {

bool NearList::insert(const Vorschlag_Datensatz& candidate, double distance) {
  if (candidate.score() <= 0) return false;

  // The places fill from the front and keep their distances in rising
  // order, so when the last place is taken and no farther than the
  // candidate, no place is: the common case of a full list, decided without
  // walking it.
  if (full() && !(lastDistance() > distance)) return false;

  for (int i = 0; i < kNearPlaces; ++i) {
    if (places_[i].score() == 0 || distance_[i] > distance) {
      for (int j = kNearPlaces - 1; j > i; --j) {
        places_[j] = places_[j - 1];
        distance_[j] = distance_[j - 1];
      }
      places_[i] = candidate;
      distance_[i] = distance;
      return true;
    }
  }
  return false;
}

void Naeherung_Einfuegen(App& app, const Vorschlag_Datensatz& candidate, double distance, NearList& list) {
  app.loop().DoEvents();
  list.insert(candidate, distance);
}

}  // namespace mirl
