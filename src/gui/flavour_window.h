#pragma once
// The flavour window frm_Aromen on screen: a top-level window of its own
// (no owner), the set's name at the top, the column headings, one line per
// row with its tick box, name, composition, dosage, price and buttons, and
// the buttons of the whole list below. Its close button runs the window's
// closing sequence; the main window is disabled while it is shown.
#include <QWidget>
#include <vector>

#include "gui/form_binding.h"

namespace mirl {
class App;
class FrmAromen;
}  // namespace mirl

namespace mirl::gui {

class FlavourWindow : public QWidget {
 public:
  FlavourWindow(App& app, FrmAromen& form);
  ~FlavourWindow() override;

  FormBinding& binding() { return binding_; }
  QWidget* widget(const rt::Control* c) const { return binding_.widget(c); }
  template <class W>
  W* widgetAs(const rt::Control* c) const {
    return binding_.widgetAs<W>(c);
  }
  std::vector<const rt::Control*> unplacedControls() const;

 protected:
  // Tab is the form's (see FormBinding::tab); Qt moves no focus itself.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  void buildLayout();

  FrmAromen& form_;
  FormBinding binding_;
};

}  // namespace mirl::gui
