#include "gui/session_end.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <stdexcept>

#include "context/app.h"
#include "gui/qt_host.h"
#include "shell/lifecycle.h"

namespace mirl::gui {

namespace {

// The write end of the pipe that wakes the event loop. A signal handler can
// reach nothing else, so this is the one value kept outside an object.
volatile std::sig_atomic_t wakeFd = -1;

// Async-signal-safe: one write, errno left as it was.
void wake(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = ::write(wakeFd, &byte, 1);
  errno = saved;
}

void catchSignal(int signal, struct sigaction& old) {
  struct sigaction action {};
  action.sa_handler = wake;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(signal, &action, &old);
}

// Neither end is inherited by a program started from here, and neither
// blocks: a full pipe already holds a wake-up.
void setFlags(int fd) {
  ::fcntl(fd, F_SETFD, FD_CLOEXEC);
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

}  // namespace

SessionEnd::SessionEnd(App& app, QtHost& host) : app_(app), host_(host) {
  if (wakeFd != -1) throw std::logic_error("the signals are caught already");
  if (::pipe(pipe_) != 0) throw std::runtime_error("no pipe for the signals");
  for (int fd : pipe_) setFlags(fd);
  wakeFd = pipe_[1];
  notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &SessionEnd::onSignal);
  catchSignal(SIGTERM, oldTerm_);
  catchSignal(SIGHUP, oldHup_);

  again_.setSingleShot(true);
  again_.setInterval(20);
  connect(&again_, &QTimer::timeout, this, &SessionEnd::step);
  // Made while the program is idle: the first pass of its event loop shows
  // the depth at which it rests.
  QTimer::singleShot(0, this, [this] { restLevel_ = QThread::currentThread()->loopLevel(); });

  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { begin(); });
  // The event loop was left without a close (the session manager ended the
  // program): the shut-down runs now, with nothing left to wait for.
  connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
    if (app_.closed()) return;
    host_.answerByDefault();
    endSession(app_);
  });
}

SessionEnd::~SessionEnd() {
  ::sigaction(SIGTERM, &oldTerm_, nullptr);
  ::sigaction(SIGHUP, &oldHup_, nullptr);
  wakeFd = -1;
  delete notifier_;
  for (int fd : pipe_) ::close(fd);
}

void SessionEnd::onSignal() {
  char bytes[16];
  while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
  }
  begin();
}

void SessionEnd::begin() {
  if (!ending_) {
    ending_ = true;
    host_.answerByDefault();
  }
  step();
}

void SessionEnd::stepAgain() { again_.start(); }

void SessionEnd::step() {
  if (app_.closed()) {
    QCoreApplication::quit();
    return;
  }
  // Innermost first: an open menu, then a box or dialog, each closed as
  // without a choice (a question the user has not answered is not taken as
  // answered).
  if (QWidget* popup = QApplication::activePopupWidget()) {
    popup->close();
    stepAgain();
    return;
  }
  if (QWidget* modal = QApplication::activeModalWidget()) {
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else {
      modal->close();
    }
    stepAgain();
    return;
  }
  // The loop of a box just closed is still being left: the handler that
  // showed it goes on first.
  if (restLevel_ < 0 || QThread::currentThread()->loopLevel() > restLevel_) {
    stepAgain();
    return;
  }
  if (!endSession(app_)) {
    stepAgain();
    return;
  }
  QCoreApplication::quit();
}

}  // namespace mirl::gui
