#include "model/validators.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "runtime/number.h"
#include "runtime/text.h"

namespace mirl {
namespace {

using rt::isDigit;
using rt::trimSpaces;

// Keeps digits and commas, turns "." into ",", drops everything else (signs,
// blanks, letters, currency and per-cent signs).
std::string keepDigitsAndComma(std::string_view s) {
  std::string out;
  for (char c : s) {
    if (isDigit(c) || c == ',')
      out += c;
    else if (c == '.')
      out += ',';
  }
  return out;
}

// The price pattern's own grouped output: one to three digits, one or more
// groups of "." and three digits, then "," and decimals ("1.234,50",
// "77.777,00"); or the same without decimals, as a shop writes a whole
// price ("1.234," of "1.234,-").
bool isGroupedPrice(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && isDigit(s[i])) ++i;
  if (i < 1 || i > 3) return false;
  int groups = 0;
  while (i < s.size() && s[i] == '.') {
    if (i + 3 >= s.size() || !isDigit(s[i + 1]) || !isDigit(s[i + 2]) || !isDigit(s[i + 3])) {
      return false;
    }
    i += 4;
    ++groups;
  }
  if (groups == 0 || i >= s.size() || s[i] != ',') return false;
  ++i;  // the comma
  while (i < s.size() && isDigit(s[i])) ++i;
  return i == s.size();
}

std::string withoutFullStops(std::string_view s) {
  std::string out;
  for (char c : s) {
    if (c != '.') out += c;
  }
  return out;
}

// The digits, commas and full stops of a text, in their order.
std::string numberCharacters(std::string_view s) {
  std::string out;
  for (char c : s) {
    if (isDigit(c) || c == ',' || c == '.') out += c;
  }
  return out;
}

// A price in the grouped form the price pattern writes ("1.234,50"),
// whatever signs, letters or blanks stand around it ("€ 1.234,50",
// "-1.234,50 EUR", "1.234,- €"), as the number without its group stops
// ("1234,50"); any other text as it is.
std::string withoutPriceGroups(std::string_view text) {
  const std::string number = numberCharacters(text);
  if (isGroupedPrice(number)) return withoutFullStops(number);
  return std::string(text);
}

std::string formatCuttingComma(std::string_view s, std::string_view pattern, bool cutTrailingComma) {
  std::string out = rt::num::formatText(s, pattern);
  if (cutTrailingComma && !out.empty() && out.back() == ',') out.pop_back();
  return out;
}

std::string normalise(std::string_view text, std::string_view pattern, bool cutTrailingComma) {
  std::string s = formatCuttingComma(keepDigitsAndComma(trimSpaces(text)), pattern, cutTrailingComma);
  // A text that is a number only once its last comma is cut ("1,2345,")
  // is formatted like every other number, so that the field shows the
  // value that counts, and shows it the same after the next refresh.
  if (cutTrailingComma && rt::num::isNumeric(s)) s = formatCuttingComma(s, pattern, true);
  return std::string(trimSpaces(s));
}

// True when the normalised text is a number above `low` (or from `low` on,
// when lowIncluded) up to and including `high`.
bool inRange(const std::string& normalised, double low, bool lowIncluded, double high) {
  auto x = rt::num::parse(normalised);
  return x && (lowIncluded ? *x >= low : *x > low) && *x <= high;
}

// Writes the normalised text back when it is in range, else "0".
void validate(rt::TextBox& box, const std::string& normalised, double low, bool lowIncluded,
              double high) {
  box.setText(inRange(normalised, low, lowIncluded, high) ? normalised : "0");
}

// The digits after the last comma of a text of digits and commas.
std::size_t decimalsOf(std::string_view digits) {
  const std::size_t comma = digits.rfind(',');
  return comma == std::string_view::npos ? 0 : digits.size() - comma - 1;
}

// The significant digits a number holds as it is formatted.
constexpr std::size_t kDigitsHeld = 15;

// The decimals up to a value's last significant digit held (nothing for
// zero or a text that is no number).
std::optional<std::size_t> decimalsHeld(std::string_view digits) {
  const auto x = rt::num::parse(digits);
  if (!x || *x == 0) return std::nullopt;
  // Where the first significant digit stands, in the value as formatted.
  const std::string shown = rt::num::plain(*x);
  const std::size_t comma = shown.find(',');
  const std::string_view whole = std::string_view(shown).substr(0, comma);
  if (whole != "0") return whole.size() > kDigitsHeld ? 0 : kDigitsHeld - whole.size();
  const std::size_t leadingZeros = shown.find_first_not_of('0', comma + 1) - comma - 1;
  return leadingZeros + kDigitsHeld;
}

}  // namespace

std::string Zahl_Formatieren_2Stellen(std::string_view text) {
  return normalise(text, "#####0.##", true);
}

std::string Zahl_Formatieren_1Stelle(std::string_view text) {
  return normalise(text, "#####0.#", true);
}

std::string Zahl_Formatieren_Preis(std::string_view text) {
  // A price shown with group separators ("1.234,50") must read back as the
  // same price; everywhere else a "." is taken as a decimal comma.
  return normalise(withoutPriceGroups(text), "#,###0.00", false);
}

std::string flavourPriceText(std::string_view text) {
  const std::string ungrouped = withoutPriceGroups(text);
  const std::string digits = keepDigitsAndComma(trimSpaces(ungrouped));
  std::size_t decimals = decimalsOf(digits);
  // A digit beyond the last one held would show a 0 that was not typed.
  if (const auto held = decimalsHeld(digits)) decimals = std::min(decimals, *held);
  decimals = std::max<std::size_t>(2, decimals);
  return normalise(ungrouped, "#,###0." + std::string(decimals, '0'), false);
}

void Eingabe_Pruefen_Prozent(rt::TextBox& box) {
  validate(box, Zahl_Formatieren_2Stellen(box.Text()), 0, false, 100);
}

void Eingabe_Pruefen_Nikotin(rt::TextBox& box) {
  validate(box, Zahl_Formatieren_1Stelle(box.Text()), 0, false, 100);
}

void Eingabe_Pruefen_Preis(rt::TextBox& box) {
  validate(box, Zahl_Formatieren_Preis(box.Text()), 0, true, kHighestPrice);
}

void Eingabe_Pruefen_Menge(rt::TextBox& box) {
  validate(box, Zahl_Formatieren_2Stellen(box.Text()), 0, false, 99999);
}

void Eingabe_Pruefen_Aroma_ml(rt::TextBox& box) {
  validate(box, Zahl_Formatieren_2Stellen(box.Text()), 0, false, 9999);
}

void checkFlavourPrice(rt::TextBox& box) {
  const std::string shown = flavourPriceText(box.Text());
  box.setText(inRange(shown, 0, true, kHighestPrice) ? shown : "0,00");
}

}  // namespace mirl
