#pragma once
// A started application with its main window on an off-screen display, and
// controls whose handlers log what they see.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "gui/main_window.h"
#include "gui/window_fit.h"
#include "testkit/test_app.h"

namespace mirl::gui::testing {

using Log = std::vector<std::string>;

// Where a window restored to the place `at` stands: its designed size,
// kept within its screen.
inline QRect designedAt(const QWidget& w, QPoint at) {
  const QMargins frame = frameOf(w);
  const QRect designed(at + QPoint(frame.left(), frame.top()), openingSize(w));
  return fittedGeometry(designed, frame, w.screen()->availableGeometry());
}

// The program's red as the light theme shows it: darkened to read well.
inline bool drawnRed(const QColor& c) { return c.red() > 150 && c.green() == 0 && c.blue() == 0; }

// Runs `act`, which is to open one modal W, and has `answer` handle it once
// it is up. No W at all fails; anything else modal that comes up meanwhile
// (another box, a second one, the W left open by `answer`) fails and is
// closed, so that a test never waits on a box nobody answers.
template <class W, class Act, class Answer>
void answerModal(Act act, Answer answer) {
  bool answered = false;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (auto* expected = qobject_cast<W*>(modal); expected && !answered) {
      answered = true;
      answer(*expected);
      return;
    }
    ADD_FAILURE() << "unanswered " << modal->metaObject()->className() << " closed";
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else {
      modal->close();
    }
  });
  watch.start(5);
  act();
  QApplication::processEvents();
  EXPECT_TRUE(answered) << "no " << W::staticMetaObject.className() << " came up";
}

class GuiTest : public ::testing::Test {
 protected:
  GuiTest() : t_(false) { open(); }
  ~GuiTest() override { dropWindows(); }

  // The program closed (when it is not yet) and started again with a
  // window of its own.
  void restart() {
    dropWindows();
    t_.restart(false);
    open();
  }

  // Off screen, the window's moves and states apply at once; on a desktop
  // (a check by hand) the window system takes a moment.
  static void settle() {
    QApplication::processEvents();
    if (QGuiApplication::platformName() != QStringLiteral("offscreen")) QTest::qWait(500);
  }

  App& app() { return t_.app(); }
  FrmMain& f() { return t_.main(); }
  MainWindow& win() { return *window_; }
  scenario::ScriptHost& host() { return t_.host(); }

  template <class W>
  W* w(const rt::Control* c) {
    W* widget = window_->widgetAs<W>(c);
    EXPECT_NE(widget, nullptr) << (c ? c->fullName() : std::string("null control"));
    return widget;
  }

  // Replaces a field's text the way a user does: click, select all, type,
  // then Tab away.
  void typeAndTab(rt::TextBox* t, const char* text) { typeAndTab(w<QLineEdit>(t), text); }
  static void typeAndTab(QLineEdit* le, const char* text) {
    QTest::mouseClick(le, Qt::LeftButton);
    le->selectAll();
    QTest::keyClicks(le, QString::fromUtf8(text));
    QTest::keyClick(le, Qt::Key_Tab);
  }

  // Replaces the control's focus and click handlers by ones that log.
  void logEvents(rt::Control* c) {
    const std::string n = c->fullName();
    c->onGotFocus.replace([this, n] { log.push_back(n + ".GotFocus"); });
    c->onLostFocus.replace([this, n] { log.push_back(n + ".LostFocus"); });
    c->onValidate.replace([this, n](bool& cancel) {
      log.push_back(n + ".Validate");
      cancel = cancelValidate;
    });
    c->onClick.replace([this, n] { log.push_back(n + ".Click"); });
  }

  // Gives a control the focus through the form, as a user's click would.
  void focus(rt::Control* c) {
    ASSERT_TRUE(f().userFocus(*c)) << c->fullName();
    QApplication::processEvents();
  }

  Log log;
  bool cancelValidate = false;

 private:
  // The main window, and every window dropped meanwhile, go before the
  // program they show does.
  void dropWindows() {
    window_.reset();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  void open() {
    window_ = std::make_unique<MainWindow>(t_.app());
    t_.app().start();
    window_->show();
    // Menu shortcuts work in the active window only; a window started
    // minimised stays so.
    if (!window_->isMinimized()) {
      window_->activateWindow();
      (void)QTest::qWaitForWindowActive(window_.get());
    }
    settle();
  }

  testkit::TestApp t_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace mirl::gui::testing
