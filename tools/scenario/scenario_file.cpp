#include "scenario/scenario_file.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <system_error>

#include "scenario/runner.h"
#include "scenario/script_host.h"
#include "shell/application.h"

namespace mirl::scenario {

namespace {

// A fresh folder under the system's temporary folder, removed with the
// object.
class RunDir {
 public:
  RunDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "mirl-scenario-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      throw std::system_error(errno, std::generic_category(), "cannot create a temporary folder");
    }
    path_ = pattern;
  }
  ~RunDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  RunDir(const RunDir&) = delete;
  RunDir& operator=(const RunDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace

bool runScenario(std::string_view displayName, std::string_view content, const std::filesystem::path& here,
                 std::ostream& out) {
  RunDir dir;
  RunFolders folders{dir.path() / "program", std::filesystem::absolute(here), dir.path() / "tmp"};
  std::filesystem::create_directories(folders.program);
  std::filesystem::create_directories(folders.tmp);
  ScriptHost host;
  App::Config config;
  config.host = &host;
  config.programFolder = folders.program;
  config.registryFile = dir.path() / "registry";
  auto app = std::make_unique<Application>(config);
  Runner runner(*app, host, folders, std::string(displayName), out);
  runner.setRestart([&]() -> App& {
    app.reset();
    app = std::make_unique<Application>(config);
    return *app;
  });
  return runner.run(content);
}

bool runScenarioFile(const std::filesystem::path& file, std::ostream& out) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    out << file.string() << ":0: error: cannot read the file\n";
    return false;
  }
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::filesystem::path here = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
  return runScenario(file.string(), content, here, out);
}

}  // namespace mirl::scenario
