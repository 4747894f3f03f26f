#pragma once
// Runs the commands of one scenario file against one application and
// reports what fails.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "scenario/command.h"
#include "scenario/script_host.h"

namespace mirl {
class App;
}

namespace mirl::scenario {

// The folders that $PROGRAM, $HERE and $TMP stand for.
struct RunFolders {
  std::filesystem::path program;
  std::filesystem::path here;
  std::filesystem::path tmp;
};

// The registry path of a sub-key given relative to the program's key
// ("\Size" stands for "Software\Quillfen\MirlFumarix\Size").
std::string programKey(std::string_view subKey);

class Runner {
 public:
  // fileName is what the messages start with.
  Runner(App& app, ScriptHost& host, RunFolders folders, std::string fileName, std::ostream& out);
  ~Runner();
  Runner(const Runner&) = delete;
  Runner& operator=(const Runner&) = delete;

  // Builds a fresh application on the same folders and registry store for
  // `restart`, after the runner has let go of the one it had (which the
  // builder may then drop). Without it `restart` is an error.
  void setRestart(std::function<App&()> fresh) { fresh_ = std::move(fresh); }

  // Runs the text of a scenario file line by line; after the last line,
  // message boxes not checked and `at yield` lines never reached fail.
  // True when nothing failed and no error ended the file.
  bool run(std::string_view content);

 private:
  struct Hook {
    std::uint64_t pass;
    std::shared_ptr<const Command> command;
    int line;
    bool ran = false;
  };

  void attach();
  void detach();
  std::string restart();
  bool runTopLevel(const Command& c);
  void onPass(std::uint64_t pass);
  void clearHooks();
  void finish();
  // Runs one command; returns the scenario error, or "".
  std::string execute(const Command& c);
  std::string executeUnguarded(const Command& c);

  std::string userAction(const Command& c);
  std::string windowAction(const Command& c);
  std::string setup(const Command& c);
  std::string set(const Command& c);
  std::string expect(const Command& c);
  std::string expectHost(const Command& c);
  std::string expectStore(const Command& c);

  void fail(int line, const std::string& expected, const std::string& found);
  void error(int line, const std::string& message);
  std::filesystem::path path(const std::string& text) const;
  std::string expand(const std::string& text) const;

  App* app_;
  std::function<App&()> fresh_;
  ScriptHost& host_;
  RunFolders folders_;
  std::string fileName_;
  std::ostream& out_;

  bool failed_ = false;
  bool started_ = false;
  std::uint64_t refreshMark_ = 0;
  std::uint64_t lastYields_ = 0;
  std::vector<Hook> hooks_;
  std::string hookError_;
  int hookErrorLine_ = 0;
  // The window of the last user action; `leave` acts there.
  std::string activeForm_;
};

}  // namespace mirl::scenario
