#pragma once
// Colours of the form runtime on screen: a real colour (0x00BBGGRR) as it is,
// a system colour (0x800000nn) taken from the widget's palette.
#include <QColor>
#include <QPalette>

#include "runtime/color.h"

namespace mirl::gui {

QColor toQColor(rt::Color c, const QPalette& palette);

// Black or white, whichever reads better on `back`.
QColor contrastingText(const QColor& back);

// The text colour of a control: `fore` as the palette gives it, except on a
// background of the program's own (a real colour, not a system one), where a
// text in a system colour (the theme's, perhaps light for a dark theme) is
// drawn in the colour that contrasts with that background.
QColor textOn(rt::Color back, rt::Color fore, const QPalette& palette);

// `c` moved towards `towards` by `amount` (0 = unchanged, 1 = `towards`).
QColor blend(const QColor& c, const QColor& towards, double amount);

}  // namespace mirl::gui
