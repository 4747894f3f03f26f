#pragma once
// Comparing what a scenario expects with what the program holds, and
// describing what it holds in the scenario's own notation.
#include <string>

#include "runtime/host.h"
#include "runtime/value.h"
#include "scenario/script_host.h"

namespace mirl::scenario {

// Texts compare exactly, numbers exactly as doubles; true/false against a
// number means non-zero/zero (a tick box's Value, a truth value read as -1).
bool valuesMatch(const rt::Value& expected, const rt::Value& found);

// msgbox "PROMPT" title "TITLE" style N
std::string describe(const ShownMessageBox& box);
// open dialog title "T" filter "F" start "S" name "N"
std::string describe(const rt::FileDialogRequest& request);
std::string kindName(rt::FileDialogRequest::Kind kind);

// The filter pairs joined with "|" as the caller passed them:
// "Unterstütztes Format (*.ini)|*.ini;".
std::string joinFilters(const rt::FileDialogRequest& request);

}  // namespace mirl::scenario
