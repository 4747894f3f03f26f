#include "testkit/test_app.h"

#include <atomic>
#include <chrono>
#include <unistd.h>

namespace mirl::testkit {

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = std::filesystem::temp_directory_path() /
          ("mirl-test-" + std::to_string(::getpid()) + "-" + std::to_string(stamp) + "-" +
           std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

TestApp::TestApp(bool started) {
  std::filesystem::create_directories(dir_.path() / "program");
  App::Config config;
  config.host = &host_;
  config.programFolder = dir_.path() / "program";
  config.registryFile = dir_.path() / "registry";
  app_ = std::make_unique<Application>(config);
  if (started) app_->start();
}

}  // namespace mirl::testkit
