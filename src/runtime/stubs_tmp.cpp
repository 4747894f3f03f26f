// Temporary stand-ins until the number and file services land.
#include "runtime/number.h"
#include "runtime/ini_file.h"
#include "runtime/program_folder.h"
namespace mirl::rt::num {
std::optional<double> parse(std::string_view) { return std::nullopt; }
}
