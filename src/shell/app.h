#pragma once
// The application object: owns the windows and every value the subsystems
// share. Nothing else holds mutable state, so a test can build as many fresh
// applications as it likes.
#include <cstdint>
#include <filesystem>
#include <memory>

#include "conversions/conversion_state.h"
#include "flavours/flavour_table.h"
#include "model/frm_main.h"
#include "model/model_state.h"
#include "runtime/runtime.h"
#include "solver/solver_state.h"
#include "support/message_table.h"

namespace mirl {

class App {
 public:
  struct Config {
    rt::Host* host = nullptr;
    std::filesystem::path programFolder;
    std::filesystem::path registryFile;
  };

  explicit App(const Config& config);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // frm_Main: built (hidden, with its design-time values) with the
  // application; start() runs its start-up.
  FrmMain& main() { return *main_; }

  rt::Runtime& rt() { return rt_; }
  rt::Host& host() { return rt_.host(); }
  rt::EventLoop& loop() { return rt_.loop; }
  rt::RegistryStore& registry() { return rt_.registry; }
  const std::filesystem::path& programFolder() const { return rt_.programFolder; }

  // The start-up of the main window, then it is shown.
  void start();
  // The user closes the main window. False when the close was refused or
  // deferred (a search runs: it is cancelled and the window closes when it
  // has returned).
  bool requestClose();
  bool closed() const { return closed_; }

  // Shared values of the subsystems.
  MessageTable texts;
  ModelState model;
  ConversionState conv;
  SolverState solver;
  FlavourTable flavours;
  bool AllAromaProzent_War_Aktiv = false;
  bool closePending = false;

  // Number of master refreshes run so far (the tests read it).
  std::uint64_t refreshCount = 0;

 private:
  rt::Runtime rt_;
  std::unique_ptr<FrmMain> main_;
  bool closed_ = false;
};

}  // namespace mirl
