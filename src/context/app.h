#pragma once
// The application context: the services of one run, the windows and every
// value the subsystems share. The windows are owned here for the
// application's whole life; nothing else holds mutable state, so a test can
// build as many fresh applications as it likes. Every subsystem includes
// this header; it includes only the runtime and the plain state and window
// headers of the subsystems. The shell assembles an application (it builds
// the windows' handlers in, see shell/application.h).
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

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

  virtual ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // frm_Main, the start-up window: there from the application's
  // construction, hidden, with its design values; start() loads it (its
  // Load handler is the start-up) and shows it.
  FrmMain& main() { return *main_; }
  const FrmMain& main() const { return *main_; }

  // The other windows, added once while the application is assembled. Each
  // is loaded on first access and unloaded when it closes (back to its
  // design values, ready to be loaded again).
  rt::Form& addForm(std::unique_ptr<rt::Form> form);
  // A window of type F by name, loaded on first access; the name must be
  // one of the windows added (a logic error otherwise).
  template <class F>
  F& form(std::string_view name) {
    return static_cast<F&>(knownForm(name));
  }

  // The windows by name, for the scenario driver and the tests; nullptr for
  // a name that is no window of the application. findForm loads a window
  // that is not loaded, as code touching it does; loadedForm only looks.
  rt::Form* findForm(std::string_view name);
  rt::Form* loadedForm(std::string_view name);
  bool hasForm(std::string_view name) const;
  // The user closes the window: its unload sequence (for frm_Main the whole
  // shut-down, requestClose). False when the close was refused or the
  // window is no window of the application.
  bool closeForm(std::string_view name);

  // Where the windows appear on screen (the Qt view); none headlessly.
  void setViews(rt::FormViews* views);

  rt::Runtime& rt() { return rt_; }
  rt::Host& host() { return rt_.host(); }
  rt::EventLoop& loop() { return rt_.loop; }
  rt::RegistryStore& registry() { return rt_.registry; }
  const std::filesystem::path& programFolder() const { return rt_.programFolder; }

  // The start-up of the main window, then it is shown.
  void start();
  // The user closes the main window. False when the close was refused (the
  // window is disabled, or its unload cancelled) or deferred (a search runs:
  // it is cancelled and the window closes when it has returned). The program
  // ends with it: the window is hidden and keeps its values.
  bool requestClose();
  bool closed() const { return closed_; }

  // Shared values of the subsystems.
  MessageTable texts;
  ModelState model;
  ConversionState conv;
  SolverState solver;
  FlavourTable flavours;

  // The captions and tooltips of the windows the subsystems add, each
  // routine added by its window's wiring; the language switch runs them.
  std::vector<void (*)(App& app, Language lang)> windowTexts;
  // What a close asked for while a search runs does instead (the solver's
  // wiring sets it: cancel the search, close once it has returned).
  void (*closeDuringSearch)(App& app) = nullptr;
  // The session file found at start-up was too large to be read; it is
  // kept aside before the session is saved over it.
  bool sessionFileTooLarge = false;

  // Number of master refreshes run so far (the tests read it).
  std::uint64_t refreshCount = 0;

 protected:
  // Only an assembled application is built (shell/application.h).
  explicit App(const Config& config);

 private:
  rt::Form* otherForm(std::string_view name) const;
  rt::Form& knownForm(std::string_view name);

  rt::Runtime rt_;
  std::unique_ptr<FrmMain> main_;
  std::vector<std::unique_ptr<rt::Form>> others_;
  rt::FormViews* views_ = nullptr;
  bool closed_ = false;
};

}  // namespace mirl
