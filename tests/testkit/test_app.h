#pragma once
// A fresh application for a test: its own empty program folder, its own
// empty registry store and a scripted host.
#include <filesystem>
#include <memory>

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

class TestApp {
 public:
  // started: run the main window's start-up right away.
  explicit TestApp(bool started = true);
  App& app() { return *app_; }
  FrmMain& main() { return app_->main(); }
  scenario::ScriptHost& host() { return host_; }
  const std::filesystem::path& folder() const { return dir_.path(); }

 private:
  TempDir dir_;
  scenario::ScriptHost host_;
  std::unique_ptr<App> app_;
};

}  // namespace mirl::testkit
