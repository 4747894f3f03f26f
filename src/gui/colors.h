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

// Contrast of two colours as the accessibility guidelines measure it, from
// 1 (the same brightness) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// `fore` when it reads on `back` with the contrast small text needs (4.5:1);
// otherwise `fore` darkened (on a light background) or lightened (on a dark
// one) just enough to reach it, keeping its hue.
QColor readableOn(const QColor& fore, const QColor& back);

// The text colour of a control: `fore` as the palette gives it, except
// - a text in a colour of the program's own (the red of a sum that is off),
//   which is drawn readable on its background (`readableOn`);
// - on a background of the program's own (a real colour, not a system
//   one), a text in a system colour (the theme's, perhaps light for a dark
//   theme), which is drawn in the colour that contrasts with it.
QColor textOn(rt::Color back, rt::Color fore, const QPalette& palette);

// `c` moved towards `towards` by `amount` (0 = unchanged, 1 = `towards`).
QColor blend(const QColor& c, const QColor& towards, double amount);

}  // namespace mirl::gui
