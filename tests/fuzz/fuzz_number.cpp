// Numbers at every edge. Arbitrary text is read as a number and written back:
// nothing may crash, no written text has an exponent, plain text reads back
// to the value up to its 15 significant digits, and a formatted value reads
// back within half a unit of its last decimal place. The first eight bytes
// are also taken as a raw double (infinities, NaNs, subnormals, the largest
// values): every text a printer writes reads back, and printing what was
// read back gives the same text. The whole-number and truth-value
// conversions are checked against their definitions.
#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
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

double decimalUnit(std::string_view pattern) {
  const size_t point = pattern.find('.');
  const double decimals = point == std::string_view::npos ? 0.0 : static_cast<double>(pattern.size() - point - 1);
  return std::pow(10.0, -decimals);
}

// Plain text of a finite value reads back to it within its 15 digits, and
// printing the value read gives the same text.
void checkPlain(double value) {
  const std::string p = num::plain(value);
  check(p.find_first_of("eE") == std::string::npos);
  const auto back = num::parse(p);
  check(back.has_value());
  if (!std::isfinite(value)) {
    check(p == "0");
    return;
  }
  check(std::fabs(*back - value) <= std::fabs(value) * 6e-15 + kTiny);
  check(num::plain(*back) == p);
}

void checkPatterns(double value) {
  const double shownAs = std::isfinite(value) ? value : 0.0;
  for (std::string_view pattern : kPatterns) {
    const std::string f = num::format(value, pattern);
    check(f.find_first_of("eE") == std::string::npos);
    const auto shown = num::parse(f);
    check(shown.has_value());
    check(std::fabs(*shown - shownAs) <= decimalUnit(pattern) * (0.5 + 1e-9) + std::fabs(shownAs) * 1e-14);
    check(num::format(*shown, pattern) == f);
  }
}

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool sameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const char c = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] + 32) : a[i];
    if (c != b[i]) return false;
  }
  return true;
}

// The whole number nearest to the value, halves to the even one, when it
// lies in the type's range.
template <typename Int>
std::optional<Int> wholeByDefinition(std::optional<double> value) {
  if (!value || !std::isfinite(*value)) return std::nullopt;
  const double r = std::nearbyint(*value);  // the default rounding: to nearest, ties to even
  if (r < std::numeric_limits<Int>::min() || r > std::numeric_limits<Int>::max()) return std::nullopt;
  return static_cast<Int>(r);
}

void checkConversions(std::string_view text, std::optional<double> value) {
  check(num::toInt16(text) == wholeByDefinition<std::int16_t>(value));
  check(num::toInt32(text) == wholeByDefinition<std::int32_t>(value));
  if (value) check(num::toInt32(*value) == wholeByDefinition<std::int32_t>(value));

  const std::string_view t = trimBlanks(text);
  std::optional<bool> truth;
  if (sameLetters(t, "true")) {
    truth = true;
  } else if (sameLetters(t, "false")) {
    truth = false;
  } else if (value) {
    truth = *value != 0;
  }
  check(num::toBool(text) == truth);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  check(std::fegetround() == FE_TONEAREST);
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const auto value = num::parse(text);
  checkConversions(text, value);
  if (value) {
    check(std::isfinite(*value));
    checkPlain(*value);
    checkPatterns(*value);
  } else {
    check(num::formatText(text, "0.00") == text);
  }

  if (size >= sizeof(double)) {
    double raw = 0;
    std::memcpy(&raw, data, sizeof raw);
    checkPlain(raw);
    checkPatterns(raw);
    checkConversions(num::plain(raw), num::parse(num::plain(raw)));
  }
  return 0;
}
