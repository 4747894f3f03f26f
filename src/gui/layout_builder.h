#pragma once
// Building a form's window: widgets created through the binding in the order
// they are placed, that order kept as the Tab order, and fields sized by the
// number of characters they show.
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <initializer_list>
#include <vector>

#include "gui/form_binding.h"

namespace mirl::gui {

class LayoutBuilder {
 public:
  LayoutBuilder(FormBinding& binding, QWidget* parent);

  // The control's widget; a control that takes the focus (but an output
  // field, which takes it on a click only) joins the Tab order.
  QWidget* put(rt::Control* c);
  // A text box wide enough for `chars` digits.
  QWidget* field(rt::TextBox* t, int chars);
  // A price field: wide enough for the highest price in price form.
  QWidget* price(rt::TextBox* t);
  // A text box that grows with the window, at least `minChars` wide.
  QWidget* wide(rt::TextBox* t, int minChars);
  // A list wide enough for its longest reference quantity.
  QWidget* list(rt::ComboBox* c);

  std::vector<rt::Control*> takeTabOrder() { return std::move(tabOrder_); }
  FormBinding& binding() { return binding_; }

 private:
  FormBinding& binding_;
  QWidget* parent_;
  QFontMetrics metrics_;
  int priceWidth_;  // of the highest price, see price()
  std::vector<rt::Control*> tabOrder_;
};

// Controls of the binding's form that should have a widget and have none
// (a control the layout forgot).
std::vector<const rt::Control*> unplacedControls(const FormBinding& binding);

// Widgets side by side, with a stretch at the end unless told otherwise.
QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretch = true);
// A grid with the spacing of the forms' layouts.
QGridLayout* grid();

}  // namespace mirl::gui
