#pragma once
// The application object: owns the windows and every value the subsystems
// share. Nothing else holds mutable state, so a test can build as many fresh
// applications as it likes.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>

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

  // The windows by name, for the scenario driver and the tests; nullptr for
  // a name that is no window of the application. A window that loads on
  // first access is loaded by findForm, as code touching it does;
  // loadedForm only looks (nullptr while the window is not loaded).
  rt::Form* findForm(std::string_view name);
  rt::Form* loadedForm(std::string_view name);
  static bool hasForm(std::string_view name);
  // The user closes the window: its unload sequence (for frm_Main the
  // whole shut-down, requestClose). False when the close was refused or the
  // window is no window of the application.
  bool closeForm(std::string_view name);

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
