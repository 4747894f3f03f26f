#include "gui/layout_builder.h"

#include <QWidget>

#include "model/validators.h"
#include "runtime/number.h"

namespace mirl::gui {

namespace {

// The highest price as the validators write it ("77.777,00"), every digit
// drawn as the font's widest: no price a field takes is cut off.
int highestPriceWidth(const QFontMetrics& metrics) {
  QChar widest = QLatin1Char('0');
  for (char d = '1'; d <= '9'; ++d) {
    if (metrics.horizontalAdvance(QLatin1Char(d)) > metrics.horizontalAdvance(widest)) widest = QLatin1Char(d);
  }
  QString text = QString::fromStdString(Zahl_Formatieren_Preis(rt::num::plain(kHighestPrice)));
  for (QChar& c : text) {
    if (c.isDigit()) c = widest;
  }
  return metrics.horizontalAdvance(text) + 14;
}

}  // namespace

LayoutBuilder::LayoutBuilder(FormBinding& binding, QWidget* parent)
    : binding_(binding), parent_(parent), metrics_(parent->font()), priceWidth_(highestPriceWidth(metrics_)) {}

QWidget* LayoutBuilder::put(rt::Control* c) {
  QWidget* w = binding_.create(*c, parent_);
  const bool output = c->kind() == rt::ControlKind::TextBox && static_cast<rt::TextBox*>(c)->Locked();
  // Output fields take the focus on a click, but Tab passes them by.
  if (c->takesFocus() && !output) tabOrder_.push_back(c);
  return w;
}

QWidget* LayoutBuilder::field(rt::TextBox* t, int chars) {
  QWidget* w = put(t);
  w->setFixedWidth(metrics_.horizontalAdvance(QString(chars, QLatin1Char('0'))) + 14);
  return w;
}

QWidget* LayoutBuilder::price(rt::TextBox* t) {
  QWidget* w = put(t);
  w->setFixedWidth(priceWidth_);
  return w;
}

QWidget* LayoutBuilder::wide(rt::TextBox* t, int minChars) {
  QWidget* w = put(t);
  w->setMinimumWidth(metrics_.horizontalAdvance(QString(minChars, QLatin1Char('x'))) + 14);
  w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return w;
}

QWidget* LayoutBuilder::list(rt::ComboBox* c) {
  QWidget* w = put(c);
  w->setMinimumWidth(metrics_.horizontalAdvance(QStringLiteral("10 Liter")) + 40);
  return w;
}

std::vector<const rt::Control*> unplacedControls(const FormBinding& binding) {
  std::vector<const rt::Control*> out;
  for (const auto& c : binding.form().controls()) {
    switch (c->kind()) {
      case rt::ControlKind::TextBox:
      case rt::ControlKind::Label:
      case rt::ControlKind::CheckBox:
      case rt::ControlKind::OptionButton:
      case rt::ControlKind::ComboBox:
      case rt::ControlKind::CommandButton:
        if (!binding.widget(c.get())) out.push_back(c.get());
        break;
      default:
        break;
    }
  }
  return out;
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretch) {
  auto* h = new QHBoxLayout;
  h->setContentsMargins(0, 0, 0, 0);
  h->setSpacing(4);
  for (QWidget* w : widgets) h->addWidget(w);
  if (stretch) h->addStretch(1);
  return h;
}

QGridLayout* grid() {
  auto* g = new QGridLayout;
  g->setContentsMargins(0, 0, 0, 0);
  g->setHorizontalSpacing(4);
  g->setVerticalSpacing(3);
  return g;
}

}  // namespace mirl::gui
