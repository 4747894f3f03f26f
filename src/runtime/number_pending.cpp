// Stand-in until number reading and formatting land.
#include "runtime/number.h"
namespace mirl::rt::num {
std::optional<double> parse(std::string_view) { return std::nullopt; }
}  // namespace mirl::rt::num
