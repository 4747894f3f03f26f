#pragma once
namespace mirl {
class App;

// Connects the conversions' handlers of the main window: the flavour-share
// box, the flavour rows' tick boxes and percentage fields, the nicotine
// option.
void wireConversionHandlers(App& app);

}  // namespace mirl
