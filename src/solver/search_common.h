#pragma once
// What the exact-hit search and the approximation share: the target they
// search for, the fineness of the grid, the progress bar, the lock that
// keeps other input out while a search yields, reading a base's
// composition from its fields, and the end of a search that cannot start.
#include "model/composition.h"
#include "solver/base_record.h"

namespace mirl {
class App;

// The target record of a search. With the flavour-share box ticked the
// flavours are taken out first, so that the bases alone are searched for
// what remains; the exact-hit search (asShown) rounds that as the target's
// fields show it, nicotine to 0,1 mg/ml and the shares to two decimals, so
// that a mixture can meet it exactly. False when that conversion refused
// (its own message stands).
bool readSearchTarget(App& app, Basis_Datensatz& t, bool asShown);

// Ends a search that cannot start: the cancel request set, the button's
// caption back at "Berechnen ", the default mouse pointer.
void endRefused(App& app);

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
