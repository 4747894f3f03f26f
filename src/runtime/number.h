#pragma once
// Numbers in the fixed German conventions of the program, independent of the
// process locale: "," is the decimal separator and "." the group separator,
// both when a text is read and when a number is written.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mirl::rt::num {

// Reads a text as the form runtime's conversion to a double does: blanks
// around it trimmed, an optional sign, digits with "." group separators in
// the whole part, "," before the decimals. Nothing when the text is not a
// number (empty, "," alone, two commas, letters, ...), never 0 by accident.
std::optional<double> parse(std::string_view text);

inline bool isNumeric(std::string_view text) { return parse(text).has_value(); }

// Like parse(), but a text that is not a number throws RuntimeError (type
// mismatch), as the runtime's conversion does.
double toDouble(std::string_view text);

// Formats a number with a pattern of the runtime's Format function: "0" and
// "#" digit places, "." for the decimal point and "," for grouping in the
// pattern ("#####0.##", "#,###0.00", "0.0000000", "##0.00", ...). The output
// has "," as decimal separator and "." as group separator. A decimal point
// that no digit follows stays ("12," for 12 with "#####0.##"). Ties round half
// away from zero, on the value's 15-significant-digit decimal form. Values
// of any size are written in full, never with an exponent. A value that is
// not finite (callers guard against it) is written as 0.
std::string format(double value, std::string_view pattern);

// A number rounded as it is shown: formatted with the pattern and read
// back, so that it carries only the pattern's decimals (0 for a value that
// is not finite, which format() writes as 0).
double rounded(double value, std::string_view pattern);

// Format of a text: a text that is a number (parse) is formatted, any other
// text comes back unchanged.
std::string formatText(std::string_view text, std::string_view pattern);

// Plain decimal text of a double, as written into a field: at most 15
// significant digits, "," as decimal separator, no grouping, never an
// exponent, no trailing zeros, "0" for zero and minus zero, "-" before a
// negative value. "0" for a value that is not finite.
std::string plain(double value);

// The shortest decimal text that parse() reads back as exactly this double:
// "," as decimal separator, no grouping, never an exponent, "-" before a
// negative value (minus zero too). "0" for a value that is not finite.
std::string exact(double value);

// Whole-number conversion of a text or a number as the session and flavour
// files read them (rounding half to even, as the runtime's CInt/CLng).
// Nothing when the text is not a number or the value lies outside the range.
std::optional<std::int16_t> toInt16(std::string_view text);
std::optional<std::int32_t> toInt32(std::string_view text);
std::optional<std::int32_t> toInt32(double value);

// Truth-value conversion of a text as the runtime's CBool: "True"/"False"
// (any case, blanks around), or a number (0 is false, anything else true).
// Nothing for any other text.
std::optional<bool> toBool(std::string_view text);

}  // namespace mirl::rt::num
