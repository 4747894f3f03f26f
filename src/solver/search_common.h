#pragma once
// What the exact-hit search and the approximation share: the fineness of the
// grid, the progress bar, the lock that keeps other input out while a search
// yields, and reading a base's composition from its fields.
#include "model/composition.h"
#include "solver/base_record.h"

namespace mirl {
class App;

// Parts per base (each ticked base runs 0 to N) by the number of ticked
// bases: 777, 100, 30, 15, and 10 for any other number.
int partsPerBase(int tickedBases);

// Progress bar: maximum N, value at its minimum, shown.
void startProgress(App& app, int N);
// Progress value; a value the bar cannot take is skipped.
void setProgress(App& app, int value);

// Held while a search runs its loops: the main window takes user input only
// for the calculate button (whose click cancels), and the refresh leaves the
// button's caption alone. Restores the previous state when it ends.
class SearchLock {
 public:
  explicit SearchLock(App& app);
  ~SearchLock();
  SearchLock(const SearchLock&) = delete;
  SearchLock& operator=(const SearchLock&) = delete;

 private:
  App& app_;
  bool wasRunning_;
  bool wasBusy_;
  const rt::Control* wasAllowed_;
};

// The nicotine (mg/ml / 10) and the four shares of a composition as the
// record's percentages.
void takeComposition(const Composition& c, Basis_Datensatz& rec);

}  // namespace mirl
