#include "gui/colors.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace mirl::gui {

namespace {

struct SysColor {
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// The system colour indexes of the original platform, mapped to the palette
// role that plays the same part here.
constexpr std::array<SysColor, 25> kSystemColors = {{
    {QPalette::Active, QPalette::Mid},              // 0 scroll bar
    {QPalette::Active, QPalette::Dark},             // 1 desktop
    {QPalette::Active, QPalette::Highlight},        // 2 active caption
    {QPalette::Inactive, QPalette::Highlight},      // 3 inactive caption
    {QPalette::Active, QPalette::Window},           // 4 menu
    {QPalette::Active, QPalette::Base},             // 5 window background
    {QPalette::Active, QPalette::Shadow},           // 6 window frame
    {QPalette::Active, QPalette::WindowText},       // 7 menu text
    {QPalette::Active, QPalette::Text},             // 8 window text
    {QPalette::Active, QPalette::HighlightedText},  // 9 caption text
    {QPalette::Active, QPalette::Window},           // 10 active border
    {QPalette::Inactive, QPalette::Window},         // 11 inactive border
    {QPalette::Active, QPalette::Dark},             // 12 application workspace
    {QPalette::Active, QPalette::Highlight},        // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},  // 14 highlighted text
    {QPalette::Active, QPalette::Button},           // 15 button face
    {QPalette::Active, QPalette::Dark},             // 16 button shadow
    {QPalette::Disabled, QPalette::Text},           // 17 grey text
    {QPalette::Active, QPalette::ButtonText},       // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText},// 19 inactive caption text
    {QPalette::Active, QPalette::Light},            // 20 button highlight
    {QPalette::Active, QPalette::Shadow},           // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},         // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},      // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},      // 24 tooltip background
}};

}  // namespace

QColor toQColor(rt::Color c, const QPalette& palette) {
  if (rt::isSystemColor(c)) {
    unsigned i = rt::systemColorIndex(c);
    if (i < kSystemColors.size()) return palette.color(kSystemColors[i].group, kSystemColors[i].role);
    return palette.color(QPalette::Active, QPalette::WindowText);
  }
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

QColor contrastingText(const QColor& back) {
  // Perceived brightness of the background, 0 to 255.
  const double brightness = 0.299 * back.red() + 0.587 * back.green() + 0.114 * back.blue();
  return brightness >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

namespace {

constexpr double kReadableContrast = 4.5;

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double luminance(const QColor& c) {
  auto linear = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& fore, const QColor& back) {
  if (contrastRatio(fore, back) >= kReadableContrast) return fore;
  // Black and white contrast equally with a background of this luminance.
  const bool lightBack = luminance(back) > std::sqrt(1.05 * 0.05) - 0.05;
  const QColor target = lightBack ? QColor(Qt::black) : QColor(Qt::white);
  // The least move towards black or white that reaches the contrast (the
  // contrast grows along the way).
  double low = 0.0;
  double high = 1.0;
  for (int step = 0; step < 12; ++step) {
    const double mid = (low + high) / 2;
    (contrastRatio(blend(fore, target, mid), back) >= kReadableContrast ? high : low) = mid;
  }
  return blend(fore, target, high);
}

QColor textOn(rt::Color back, rt::Color fore, const QPalette& palette) {
  if (!rt::isSystemColor(fore)) return readableOn(toQColor(fore, palette), toQColor(back, palette));
  if (rt::isSystemColor(back)) return toQColor(fore, palette);
  return contrastingText(toQColor(back, palette));
}

QColor blend(const QColor& c, const QColor& towards, double amount) {
  auto mix = [amount](int a, int b) { return static_cast<int>(a + (b - a) * amount + 0.5); };
  return QColor(mix(c.red(), towards.red()), mix(c.green(), towards.green()), mix(c.blue(), towards.blue()));
}

}  // namespace mirl::gui
