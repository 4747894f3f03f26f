#pragma once
// The end of the desktop session for the program: SIGTERM, SIGHUP and the
// session manager's request to save (a logout, a shutdown) close it as the
// user's close of the main window does, so that the session file, the
// placement and the store are written. A signal only wakes the event loop
// (a byte down a pipe); everything else runs on the one thread, where the
// program is at rest: a box or dialog open then is closed as without a
// choice, a menu is closed, a running search is cancelled and the program
// closes once it has returned, and every question the closing asks takes
// its default answer.
#include <QObject>
#include <QTimer>
#include <csignal>

class QSessionManager;
class QSocketNotifier;

namespace mirl {
class App;
}

namespace mirl::gui {

class QtHost;

class SessionEnd : public QObject {
 public:
  // Catches SIGTERM and SIGHUP until destroyed (then their earlier handling
  // is back). One at a time.
  SessionEnd(App& app, QtHost& host);
  ~SessionEnd() override;
  SessionEnd(const SessionEnd&) = delete;
  SessionEnd& operator=(const SessionEnd&) = delete;

  // The session ends: the program closes as soon as it can and then leaves
  // its event loop.
  void begin();

 private:
  void onSignal();
  void step();
  void stepAgain();

  App& app_;
  QtHost& host_;
  int pipe_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
  struct sigaction oldTerm_ {};
  struct sigaction oldHup_ {};
  QTimer again_;
  bool ending_ = false;
  // The depth of nested event loops at which nothing of the program is
  // under way (the loop that runs when it is idle); learnt once it runs.
  int restLevel_ = -1;
};

}  // namespace mirl::gui
