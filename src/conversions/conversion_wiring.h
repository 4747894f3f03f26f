#pragma once
// The conversions' wiring: connects the main window's controls whose Click or
// focus runs a conversion. Called once by the shell while it assembles the
// application.
namespace mirl {
class App;

// Connects the conversions' handlers of the main window: the flavour-share
// box, the flavour rows' tick boxes and percentage fields, the nicotine
// option.
void wireConversionHandlers(App& app);

}  // namespace mirl
