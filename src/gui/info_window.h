#pragma once
// The info window frm_Info on screen: a small top-level window of its own
// (no owner) with the program's name, version, description and contact
// lines. It takes no input; its close button and Escape close it, which runs
// the window's closing sequence.
#include <QWidget>

#include "gui/form_binding.h"

namespace mirl {
class FrmInfo;
}  // namespace mirl

namespace mirl::gui {

class InfoWindow : public QWidget {
 public:
  explicit InfoWindow(FrmInfo& form);
  ~InfoWindow() override;

  FormBinding& binding() { return binding_; }
  QWidget* widget(const rt::Control* c) const { return binding_.widget(c); }

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  FrmInfo& form_;
  FormBinding binding_;
};

}  // namespace mirl::gui
