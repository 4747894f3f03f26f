#pragma once
// One scenario against a fresh program: its own empty temporary program
// folder, its own empty registry store, a $TMP folder and a scripted host,
// all removed afterwards.
#include <filesystem>
#include <ostream>
#include <string_view>

namespace mirl::scenario {

// Runs the text of a scenario; messages start with displayName, $HERE is
// `here`. True when the scenario passed.
bool runScenario(std::string_view displayName, std::string_view content, const std::filesystem::path& here,
                 std::ostream& out);

// Reads and runs a scenario file (an unreadable file is an error of it).
bool runScenarioFile(const std::filesystem::path& file, std::ostream& out);

}  // namespace mirl::scenario
