#include "gui/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>

#include "context/app.h"
#include "gui/layout_builder.h"
#include "gui/windows.h"

namespace mirl::gui {

MainWindow::MainWindow(App& app, QWidget* parent)
    : QMainWindow(parent), app_(app), form_(app.main()), binding_(app.main(), *this) {
  setObjectName(QStringLiteral("frm_Main"));
  binding_.bindMenuBar(*menuBar());

  buildLayout();

  auto* status = statusBar();
  status->setSizeGripEnabled(false);
  binding_.bindStatusBar(*form_.StatusBar1, *status);
  progress_ = new QProgressBar(status);
  progress_->setObjectName(QStringLiteral("ProgressBar1"));
  progress_->setFixedWidth(320);
  progress_->setMaximumHeight(status->fontMetrics().height());
  status->addPermanentWidget(progress_);
  binding_.bindProgressBar(*form_.ProgressBar1, *progress_);

  binding_.afterInput = [this] { afterInput(); };
}

MainWindow::~MainWindow() = default;

std::vector<const rt::Control*> MainWindow::unplacedControls() const { return gui::unplacedControls(binding_); }

void MainWindow::closeEvent(QCloseEvent* e) {
  // A disabled window (another window of the program is open) ignores its
  // close button; otherwise the shut-down decides.
  e->setAccepted(userClose(app_, form_));
}

void MainWindow::afterInput() {
  // A close requested during a search waits for the search to return; the
  // solver carries it out then. Should it still be pending, it is done here.
  if (app_.solver.closePending && !form_.busy() && !app_.closed()) {
    app_.solver.closePending = false;
    app_.requestClose();
  }
  if (app_.closed()) {
    hide();
    QCoreApplication::quit();
  }
}

}  // namespace mirl::gui
