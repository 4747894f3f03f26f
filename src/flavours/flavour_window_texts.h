#pragma once
// The flavour window's captions and tooltips in German and English, written
// by the language switch (the window's wiring hands it this routine).
#include "support/message_table.h"

namespace mirl {
class App;

// The flavour window's captions and tooltips in the given language (the row
// buttons, tick boxes, labels and price lists, then its single controls).
void applyFlavourWindowTexts(App& app, Language lang);

}  // namespace mirl
