// Reads arbitrary text as a number and writes the value back: nothing may
// crash, no written text has an exponent, plain text reads back to the value
// up to its 15 significant digits, and a formatted value reads back within
// half a unit of its last decimal place.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "runtime/number.h"

namespace num = mirl::rt::num;

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

constexpr std::string_view kPatterns[] = {"#####0.##", "#####0.#", "#,###0.00", "0.00",
                                          "##0.00",    "0.0",      "0.0000000"};

constexpr double kTiny = std::numeric_limits<double>::denorm_min();

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  num::toInt16(text);
  num::toInt32(text);
  num::toBool(text);
  const auto value = num::parse(text);
  if (!value) {
    check(num::formatText(text, "0.00") == text);
    return 0;
  }
  check(std::isfinite(*value));
  num::toInt32(*value);

  const std::string p = num::plain(*value);
  check(p.find_first_of("eE") == std::string::npos);
  const auto back = num::parse(p);
  check(back.has_value());
  check(std::fabs(*back - *value) <= std::fabs(*value) * 6e-15 + kTiny);
  check(num::plain(*back) == p);

  for (std::string_view pattern : kPatterns) {
    const std::string f = num::format(*value, pattern);
    check(f.find_first_of("eE") == std::string::npos);
    const auto shown = num::parse(f);
    check(shown.has_value());
    const double decimals = static_cast<double>(pattern.size() - pattern.find('.') - 1);
    const double unit = std::pow(10.0, -decimals);
    check(std::fabs(*shown - *value) <= unit * (0.5 + 1e-9) + std::fabs(*value) * 1e-14);
  }
  return 0;
}
