#include "testkit/test_app.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
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

std::string bytesOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::filesystem::path designSession() { return std::filesystem::path(MIRL_TEST_DATA) / "design_session.ini"; }

TestApp::TestApp(bool started, bool designed) {
  std::filesystem::create_directories(dir_.path() / "program");
  if (designed) std::filesystem::copy_file(designSession(), dir_.path() / "program" / "LastSession.ini");
  app_ = makeApp();
  if (started) app_->start();
}

std::unique_ptr<App> TestApp::makeApp() {
  App::Config config;
  config.host = &host_;
  config.programFolder = dir_.path() / "program";
  config.registryFile = dir_.path() / "registry";
  return std::make_unique<Application>(config);
}

void TestApp::restart(bool started) {
  if (!app_->closed()) app_->requestClose();
  app_.reset();
  app_ = makeApp();
  if (started) app_->start();
}

}  // namespace mirl::testkit
