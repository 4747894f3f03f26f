// The program: checks that a window can be opened, builds the application
// with the Qt host and its windows, runs the start-up (which shows the main
// window) and runs the event loop until the window is closed or the desktop
// session ends.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "gui/app_setup.h"
#include "gui/display_check.h"
#include "gui/qt_host.h"
#include "gui/session_end.h"
#include "gui/windows.h"
#include "runtime/program_folder.h"
#include "runtime/registry_store.h"
#include "shell/application.h"

namespace {

std::optional<std::string> environment(const char* name) {
  const char* v = std::getenv(name);
  if (!v) return std::nullopt;
  return std::string(v);
}

int run(int argc, char** argv) {
  QApplication qapp(argc, argv);
  mirl::gui::setUpApplication();

  const std::filesystem::path executable = QCoreApplication::applicationFilePath().toStdString();
  mirl::gui::QtHost host;
  mirl::App::Config config;
  config.host = &host;
  config.programFolder = mirl::rt::programFolder(executable, MIRL_INSTALL_MARKER);
  config.registryFile = mirl::rt::RegistryStore::defaultFile();
  mirl::Application app(config);

  // Each window appears when its form is shown: frm_Main at the end of the
  // start-up.
  mirl::gui::Windows windows(app);
  app.start();
  host.setDialogParent(windows.window(app.main()));
  // A logout, a shutdown or a signal to end closes the program as its user
  // does.
  mirl::gui::SessionEnd sessionEnd(app, host);
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  if (auto message = mirl::gui::missingDisplay(environment)) {
    std::fprintf(stderr, "%s\n", message->c_str());
    return 1;
  }
  try {
    return run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "mirlfumarix: %s\n", e.what());
    return 1;
  }
}
