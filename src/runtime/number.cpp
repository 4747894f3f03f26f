// Reading numbers in the German conventions and the whole-number and
// truth-value conversions built on it.
#include "runtime/number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

#include "runtime/error.h"
#include "runtime/text.h"

namespace mirl::rt::num {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Rounds to the nearest whole number, halves to the even one (CInt/CLng).
// x - floor(x) is exact for every finite double, so the tie test is exact.
double roundHalfEven(double x) {
  double whole = std::floor(x);
  double rest = x - whole;
  if (rest > 0.5) return whole + 1;
  if (rest < 0.5) return whole;
  return std::fmod(whole, 2.0) == 0 ? whole : whole + 1;
}

template <typename Int>
std::optional<Int> toWhole(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  double r = roundHalfEven(value);
  if (r < static_cast<double>(std::numeric_limits<Int>::min()) ||
      r > static_cast<double>(std::numeric_limits<Int>::max())) {
    return std::nullopt;
  }
  return static_cast<Int>(r);
}

}  // namespace

std::optional<double> parse(std::string_view text) {
  std::string_view t = trimBlanks(text);
  size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    negative = t[i] == '-';
    ++i;
  }

  // The whole part: digits, with "." between two digits as a group
  // separator. Collected without separators as the text from_chars reads.
  std::string digits;
  bool wholeNonZero = false;
  const size_t wholeStart = i;
  for (; i < t.size(); ++i) {
    char c = t[i];
    if (isDigit(c)) {
      digits += c;
      if (c != '0') wholeNonZero = true;
    } else if (c == '.') {
      bool digitBefore = i > wholeStart && isDigit(t[i - 1]);
      bool digitAfter = i + 1 < t.size() && isDigit(t[i + 1]);
      if (!digitBefore || !digitAfter) return std::nullopt;
    } else {
      break;
    }
  }
  const bool hasWhole = !digits.empty();

  std::string decimals;
  if (i < t.size() && t[i] == ',') {
    for (++i; i < t.size() && isDigit(t[i]); ++i) decimals += t[i];
  }
  if (i != t.size()) return std::nullopt;  // a second comma, a letter, ...
  if (!hasWhole && decimals.empty()) return std::nullopt;

  if (!hasWhole) digits = "0";
  if (!decimals.empty()) {
    digits += '.';
    digits += decimals;
  }

  double value = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                   std::chars_format::fixed);
  if (ec == std::errc::result_out_of_range) {
    // Too large for a double is not a number; too small to be told from
    // zero is zero (a whole part other than 0 cannot underflow).
    if (wholeNonZero) return std::nullopt;
    value = 0;
  } else if (ec != std::errc() || end != digits.data() + digits.size()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

double toDouble(std::string_view text) {
  if (auto v = parse(text)) return *v;
  throw RuntimeError(ErrorCode::TypeMismatch, "Type mismatch: \"" + std::string(text) + "\"");
}

std::optional<std::int16_t> toInt16(std::string_view text) {
  auto v = parse(text);
  if (!v) return std::nullopt;
  return toWhole<std::int16_t>(*v);
}

std::optional<std::int32_t> toInt32(std::string_view text) {
  auto v = parse(text);
  if (!v) return std::nullopt;
  return toWhole<std::int32_t>(*v);
}

std::optional<std::int32_t> toInt32(double value) { return toWhole<std::int32_t>(value); }

std::optional<bool> toBool(std::string_view text) {
  std::string_view t = trimBlanks(text);
  std::string lower;
  for (char c : t) lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  if (lower == "true") return true;
  if (lower == "false") return false;
  auto v = parse(t);
  if (!v) return std::nullopt;
  return *v != 0;
}

}  // namespace mirl::rt::num
