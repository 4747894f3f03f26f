#pragma once
// Colours of the form runtime on screen: a real colour (0x00BBGGRR) as it is,
// a system colour (0x800000nn) taken from the widget's palette.
#include <QColor>
#include <QPalette>

#include "runtime/color.h"

namespace mirl::gui {

QColor toQColor(rt::Color c, const QPalette& palette);

// `c` moved towards `towards` by `amount` (0 = unchanged, 1 = `towards`).
QColor blend(const QColor& c, const QColor& towards, double amount);

}  // namespace mirl::gui
