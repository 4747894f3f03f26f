#pragma once
// The main window's language-dependent captions and tooltips, in the three
// portions that the language switch writes at different steps.
#include <span>

#include "support/caption_texts.h"

namespace mirl {

// Labels, tick boxes, mode options and price-list tooltips of the bases, the
// flavour rows, the calculation panel and the live panel, grouped by text.
std::span<const CaptionText> mainWindowCaptionTexts();

// The tooltip of the button that scales the live mixture to the target amount.
std::span<const CaptionText> mixToAmountTooltipText();

// The menu captions.
std::span<const CaptionText> mainMenuCaptionTexts();

}  // namespace mirl
