#include "support/flavour_window_texts.h"

namespace mirl {

// The flavour window's captions are applied here, at their place in the
// language switch, once that window is built; until then there is nothing to
// write.
void applyFlavourWindowTexts(App&, Language) {}

}  // namespace mirl
