#pragma once
// The reset button of the main window and the factory state it writes, in
// the reset's own order. Wired by the shell; the scenarios call the write
// on its own.
#include "model/main_inputs.h"

namespace mirl {
class App;

// The reset button: asks (also with message boxes off); Yes puts the
// factory state back, refreshes and says so in the status line, No only
// says so.
void frm_Main_btn_Reset_Click(App& app);

// Writes the factory state: the proposal lists and flags, the options and
// the target, the six bases, the seven flavour rows, then the
// flavour-composition table's defaults. The language stays. Tick boxes,
// options and lists run their Click as they change, so the handlers they
// raise run inside; every value is written after the handlers of the ones
// before it. No refresh of its own, nothing shown, no file or registry
// value touched.
void Reset_Auslieferungszustand(App& app);

// The inputs the reset writes, in its order, and the ones it leaves.
InputOrder resetInputs();

}  // namespace mirl
