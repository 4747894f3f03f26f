#pragma once
// Tick boxes and option buttons whose check state only the model sets: a
// click is handed to the form (which toggles or selects and raises Click),
// and the widget then shows the value the model holds.
#include <QCheckBox>
#include <QRadioButton>

namespace mirl::gui {

class ModelCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void nextCheckState() override {}
};

class ModelRadioButton : public QRadioButton {
 public:
  explicit ModelRadioButton(QWidget* parent = nullptr) : QRadioButton(parent) { setAutoExclusive(false); }

 protected:
  void nextCheckState() override {}
};

}  // namespace mirl::gui
