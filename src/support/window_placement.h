#pragma once
// A window's placement in the registry store, the same for every window.
// Reading sets the stored edges at once and reports the stored states, which
// the caller applies when it shows the window (a window loaded hidden must
// not become visible by being maximised). Writing creates the window's keys
// when missing, brings a maximised or minimised window back to normal, then
// writes "Maximiert", "Minimiert", "Left" and "Top" in this order.
#include "runtime/form.h"
#include "support/registry_layout.h"

namespace mirl {
class App;

struct StoredWindowState {
  bool maximised = false;
  bool minimised = false;
};

// Reads "Left", "Top", "Maximiert" and "Minimiert" in this order. An edge
// is taken only from a REG_DWORD value, a state only from a REG_SZ value
// (true when its text is "true" in any case); anything else, a missing value
// or a missing key leaves the designed placement.
StoredWindowState readWindowPlacement(App& app, rt::Form& form, const reg::WindowKeys& keys);

// Shows the stored states as the window system would: maximised, then
// minimised.
void applyStoredWindowState(rt::Form& form, StoredWindowState state);

// The closing half: creates the "Size" and "Data" keys when missing, then
// stores the placement of the restored window.
void writeWindowPlacement(App& app, rt::Form& form, const reg::WindowKeys& keys);

}  // namespace mirl
