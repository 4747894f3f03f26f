#pragma once
// A fresh application for a test: its own empty program folder, its own
// empty registry store and a scripted host.
#include <filesystem>
#include <memory>
#include <string>

#include "scenario/script_host.h"
#include "shell/application.h"

namespace mirl::testkit {

// A temporary folder removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The bytes of a file ("" when it cannot be read).
std::string bytesOf(const std::filesystem::path& file);

// The session file that holds the main window's design values and the
// flavour table's defaults: a start with it gives the window as it is
// designed, the state the tests of the single subsystems begin from.
std::filesystem::path designSession();

class TestApp {
 public:
  // started: run the main window's start-up right away. designed: with the
  // design session as the last session (else a first start, no file).
  explicit TestApp(bool started = true, bool designed = true);
  App& app() { return *app_; }
  // The user closes the program (when it is not closed yet) and starts it
  // again on the same folder and registry store: a fresh application,
  // started unless said otherwise.
  void restart(bool started = true);
  FrmMain& main() { return app_->main(); }
  scenario::ScriptHost& host() { return host_; }
  const std::filesystem::path& folder() const { return dir_.path(); }

 private:
  std::unique_ptr<App> makeApp();

  TempDir dir_;
  scenario::ScriptHost host_;
  std::unique_ptr<App> app_;
};

}  // namespace mirl::testkit
