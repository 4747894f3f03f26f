// The program: checks that a window can be opened, builds the application
// with the Qt host, runs the start-up, shows the main window and runs the
// event loop until the window is closed.
#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "gui/display_check.h"
#include "gui/main_window.h"
#include "gui/qt_host.h"
#include "runtime/program_folder.h"
#include "runtime/registry_store.h"
#include "shell/app.h"

namespace {

std::optional<std::string> environment(const char* name) {
  const char* v = std::getenv(name);
  if (!v) return std::nullopt;
  return std::string(v);
}

int run(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("MirlFumarix"));
  QApplication::setOrganizationName(QStringLiteral("Quillfen"));
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);

  const std::filesystem::path executable = QCoreApplication::applicationFilePath().toStdString();
  mirl::gui::QtHost host;
  mirl::App::Config config;
  config.host = &host;
  config.programFolder = mirl::rt::programFolder(executable);
  config.registryFile = mirl::rt::RegistryStore::defaultFile();
  mirl::App app(config);

  mirl::gui::MainWindow window(app);
  host.setDialogParent(&window);
  app.start();
  if (!window.isVisible()) window.show();
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
