// Writing numbers: pattern formatting and plain decimal text. Both start
// from the value's decimal form with 15 significant digits, so that a value
// stored as 2.67499999... but meant as 2.675 rounds like 2.675.
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

#include "runtime/number.h"

namespace mirl::rt::num {
namespace {

constexpr int kSignificant = 15;

// A decimal number: its significant digits (no leading zeros; empty for
// zero) and the count of them that stand before the decimal point, which
// may be negative (0,00ddd) or exceed the digits (ddd000).
struct Decimal {
  std::string digits;
  int point = 0;
  bool negative = false;
};

// The digits and decimal exponent of a positive finite value printed with
// `significant` digits, correctly rounded (to even on exact ties).
void printScientific(double a, int significant, std::string& digits, int& exponent) {
  std::string buf(static_cast<size_t>(significant) + 16, '\0');
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), a, std::chars_format::scientific,
                           significant - 1);
  std::string_view s(buf.data(), static_cast<size_t>(res.ptr - buf.data()));
  size_t e = s.find('e');
  digits.clear();
  for (char c : s.substr(0, e)) {
    if (c != '.') digits += c;
  }
  std::string_view exp = s.substr(e + 1);
  if (!exp.empty() && exp.front() == '+') exp.remove_prefix(1);
  exponent = 0;
  std::from_chars(exp.data(), exp.data() + exp.size(), exponent);
}

// Adds one unit in the last place of the digits; a carry out of the first
// digit lengthens them by one ("999" -> "1000").
void incrementDigits(std::string& digits) {
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

// Takes one unit from the last place of digits that are not all zero
// ("1000" -> "0999", the leading zero kept so the length stays).
void decrementDigits(std::string& digits) {
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '0') {
      --digits[i];
      return;
    }
    digits[i] = '9';
  }
}

// True when the decimal digits × 10^(exponent - digits + 1) lie beyond the
// largest double, so that the text would not read back as a number.
bool beyondLargestDouble(const std::string& digits, int exponent) {
  if (exponent < std::numeric_limits<double>::max_exponent10) return false;
  const std::string text = digits.substr(0, 1) + "." + digits.substr(1) + "e" + std::to_string(exponent);
  double v = 0;
  const auto res = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::scientific);
  return res.ec == std::errc::result_out_of_range;
}

// True when |a| is exactly the 16-digit decimal that digits16 shows, so that
// rounding it to 15 digits is a real tie. A cheap printing excludes almost
// every value; only a possible tie is printed in full (no double has more
// than 767 significant decimal digits).
bool isExactly16Digits(double a) {
  for (int significant : {40, 800}) {
    std::string digits;
    int exponent = 0;
    printScientific(a, significant, digits, exponent);
    if (digits.find_first_not_of('0', 16) != std::string::npos) return false;
  }
  return true;
}

// The value rounded to 15 significant digits, ties away from zero.
Decimal decimal15(double value) {
  Decimal d;
  d.negative = std::signbit(value);
  if (value == 0 || !std::isfinite(value)) return d;
  const double a = std::fabs(value);

  std::string digits;
  int exponent = 0;
  printScientific(a, kSignificant + 1, digits, exponent);
  if (digits[kSignificant] == '5' && isExactly16Digits(a)) {
    // An exact tie: the printing below would round it to even.
    digits.resize(kSignificant);
    incrementDigits(digits);
    if (digits.size() > static_cast<size_t>(kSignificant)) {
      digits.resize(kSignificant);
      ++exponent;
    }
  } else {
    printScientific(a, kSignificant, digits, exponent);
  }
  // Rounding the largest doubles up can pass the largest double itself
  // (1,7976931348623157e308 would become 1,79769313486232e308); those are
  // rounded toward zero instead, so that every text written reads back.
  if (beyondLargestDouble(digits, exponent)) decrementDigits(digits);
  digits.erase(digits.find_last_not_of('0') + 1);
  d.digits = digits;
  d.point = exponent + 1;
  return d;
}

// Rounds to the given number of decimals, ties away from zero.
void roundToDecimals(Decimal& d, int decimals) {
  const long cut = static_cast<long>(d.point) + decimals;  // digits kept
  if (cut >= static_cast<long>(d.digits.size())) return;
  if (cut < 0) {
    d.digits.clear();
    return;
  }
  const bool up = d.digits[static_cast<size_t>(cut)] >= '5';
  d.digits.resize(static_cast<size_t>(cut));
  if (up) {
    size_t before = d.digits.size();
    incrementDigits(d.digits);
    if (d.digits.size() > before) ++d.point;
  }
  d.digits.erase(d.digits.find_last_not_of('0') + 1);
  if (d.digits.empty()) d.point = 0;
}

// The digit at position i counted from the first significant digit, 0
// outside the digits.
char digitAt(const Decimal& d, long i) {
  return i >= 0 && i < static_cast<long>(d.digits.size()) ? d.digits[static_cast<size_t>(i)] : '0';
}

struct Pattern {
  int minWhole = 0;       // "0" places before the point
  bool grouping = false;  // a "," before the point
  bool point = false;     // the pattern has a "."
  int minDecimals = 0;    // "0" places after the point
  int maxDecimals = 0;    // "0" and "#" places after the point
};

Pattern readPattern(std::string_view p) {
  Pattern r;
  for (char c : p) {
    if (!r.point) {
      if (c == '0')
        ++r.minWhole;
      else if (c == ',')
        r.grouping = true;
      else if (c == '.')
        r.point = true;
    } else if (c == '0') {
      ++r.minDecimals;
      ++r.maxDecimals;
    } else if (c == '#') {
      ++r.maxDecimals;
    }
  }
  return r;
}

std::string groupThousands(const std::string& whole) {
  std::string out;
  for (size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) out += '.';
    out += whole[i];
  }
  return out;
}

}  // namespace

std::string format(double value, std::string_view pattern) {
  const Pattern p = readPattern(pattern);
  Decimal d = decimal15(value);
  roundToDecimals(d, p.maxDecimals);

  std::string whole;
  for (long i = 0; i < d.point; ++i) whole += digitAt(d, i);
  if (whole.size() < static_cast<size_t>(p.minWhole)) {
    whole.insert(0, static_cast<size_t>(p.minWhole) - whole.size(), '0');
  }
  if (p.grouping) whole = groupThousands(whole);

  std::string decimals;
  for (int i = 0; i < p.maxDecimals; ++i) decimals += digitAt(d, static_cast<long>(d.point) + i);
  while (decimals.size() > static_cast<size_t>(p.minDecimals) && decimals.back() == '0') {
    decimals.pop_back();
  }

  std::string out;
  if (d.negative && !d.digits.empty()) out += '-';  // a value shown as zero has no sign
  out += whole;
  if (p.point) out += ',' + decimals;
  return out;
}

double rounded(double value, std::string_view pattern) { return parse(format(value, pattern)).value_or(0); }

std::string formatText(std::string_view text, std::string_view pattern) {
  if (auto v = parse(text)) return format(*v, pattern);
  return std::string(text);
}

std::string plain(double value) {
  const Decimal d = decimal15(value);
  if (d.digits.empty()) return "0";
  std::string out = d.negative ? "-" : "";
  const long size = static_cast<long>(d.digits.size());
  if (d.point <= 0) {
    out += "0,";
    out.append(static_cast<size_t>(-d.point), '0');
    out += d.digits;
  } else if (d.point >= size) {
    out += d.digits;
    out.append(static_cast<size_t>(d.point - size), '0');
  } else {
    out += d.digits.substr(0, static_cast<size_t>(d.point));
    out += ',';
    out += d.digits.substr(static_cast<size_t>(d.point));
  }
  return out;
}

std::string exact(double value) {
  if (!std::isfinite(value)) return "0";
  // The longest fixed form of a double (the smallest subnormal) has 1074
  // decimals after "0.".
  std::string buf(1100, '\0');
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::fixed);
  buf.resize(static_cast<size_t>(res.ptr - buf.data()));
  for (char& c : buf) {
    if (c == '.') c = ',';
  }
  return buf;
}

}  // namespace mirl::rt::num
