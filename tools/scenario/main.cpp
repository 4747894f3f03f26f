// mirlfumarix-scenario FILE...: runs each scenario file against a fresh
// program and reports what fails; the last line counts the files.
#include <exception>
#include <iostream>

#include "scenario/scenario_file.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: mirlfumarix-scenario FILE...\n";
    return 2;
  }
  int passed = 0;
  int failed = 0;
  for (int i = 1; i < argc; ++i) {
    bool ok = false;
    try {
      ok = mirl::scenario::runScenarioFile(argv[i], std::cout);
    } catch (const std::exception& e) {
      std::cout << argv[i] << ":0: error: " << e.what() << "\n";
    }
    ++(ok ? passed : failed);
  }
  std::cout << passed << " passed, " << failed << " failed" << std::endl;
  return failed == 0 ? 0 : 1;
}
