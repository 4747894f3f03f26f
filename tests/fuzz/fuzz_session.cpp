// Session files of any content loaded into a started program: the load
// never fails, and what it leaves saves and loads again to the same file
// (the second save equals the first).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzz_scratch.h"
#include "runtime/host.h"
#include "shell/application.h"
#include "shell/session.h"

namespace {

using mirl::fuzz::check;

// Boxes get their first button; there are no dialogs and no user.
struct QuietHost : mirl::rt::Host {
  int messageBox(const std::string&, int style, const std::string&) override {
    const int b = mirl::rt::mb::buttons(style);
    return b == mirl::rt::mb::YesNo || b == mirl::rt::mb::YesNoCancel ? mirl::rt::mb::Yes : mirl::rt::mb::Ok;
  }
  std::string fileDialog(const mirl::rt::FileDialogRequest&) override { return {}; }
  void processEvents() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const mirl::fuzz::Scratch scratch;
  QuietHost host;
  mirl::App::Config config;
  config.host = &host;
  config.programFolder = scratch.path;
  config.registryFile = scratch.path / "registry";
  // The input is the last session: the start-up loads it.
  mirl::fuzz::spill(scratch.path / "LastSession.ini", std::string(reinterpret_cast<const char*>(data), size));
  auto app = std::make_unique<mirl::Application>(config);
  app->start();

  const auto first = scratch.path / "first.ini";
  const auto second = scratch.path / "second.ini";
  check(mirl::Session_Speichern(*app, first));
  mirl::Session_Laden(*app, first);
  check(mirl::Session_Speichern(*app, second));
  check(mirl::fuzz::slurp(first) == mirl::fuzz::slurp(second));
  return 0;
}
