#pragma once
// An assembled application: the context with every window's handlers wired
// by the subsystems that own them and frm_Main's start-up and shut-down as
// its Load and Unload handlers. The program, the scenario driver, the tests
// and the benchmarks build this.
#include "context/app.h"

namespace mirl {

class Application : public App {
 public:
  explicit Application(const Config& config);
};

}  // namespace mirl
