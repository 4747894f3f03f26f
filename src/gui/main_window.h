#pragma once
// The main window frm_Main on screen: every control of the model as a
// widget, laid out in the base groups, the flavour rows and the panel of
// calculation and live analysis, with the menu bar and the status bar.
#include <QMainWindow>
#include <array>
#include <vector>

#include "gui/form_binding.h"

class QProgressBar;

namespace mirl {
class App;
class FrmMain;
}  // namespace mirl

namespace mirl::gui {

class FrameBox;

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(App& app, QWidget* parent = nullptr);
  ~MainWindow() override;

  FormBinding& binding() { return binding_; }
  QWidget* widget(const rt::Control* c) const { return binding_.widget(c); }
  template <class W>
  W* widgetAs(const rt::Control* c) const {
    return binding_.widgetAs<W>(c);
  }
  QAction* action(const rt::MenuItem* m) const { return binding_.action(m); }

  // The group frames: nicotine bases, nicotine-free bases, flavours, and the
  // panel right of the flavours.
  FrameBox* frameNBases() const { return frames_[0]; }
  FrameBox* frameBases() const { return frames_[1]; }
  FrameBox* frameAromen() const { return frames_[2]; }
  FrameBox* framePanel() const { return frames_[3]; }
  QProgressBar* progressBar() const { return progress_; }

  // Controls of the form that should have a widget and have none (a
  // control the layout forgot).
  std::vector<const rt::Control*> unplacedControls() const;

 protected:
  void closeEvent(QCloseEvent* e) override;
  // Tab is the form's (see FormBinding::tab); Qt moves no focus itself.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  void buildLayout();
  void afterInput();

  App& app_;
  FrmMain& form_;
  FormBinding binding_;
  std::array<FrameBox*, 4> frames_{};
  QProgressBar* progress_ = nullptr;
};

}  // namespace mirl::gui
