#pragma once
// The lexical level of scenario files: a line split into words and strings,
// and the values a word or string stands for.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/value.h"

namespace mirl::scenario {

struct Token {
  enum class Kind { Word, String };
  Kind kind = Kind::Word;
  // A word as written; a string with its escapes resolved (raw bytes).
  std::string text;

  bool isWord() const { return kind == Kind::Word; }
  bool isWord(std::string_view w) const { return kind == Kind::Word && text == w; }
  bool isString() const { return kind == Kind::String; }
};

struct LexResult {
  std::vector<Token> tokens;
  // Empty when the line was split; otherwise what is wrong with it.
  std::string error;
};

// Splits one line: words are separated by blanks (space, tab); a string
// stands in double quotes with the escapes \" \\ \r \n \t and \xHH (one
// byte). A backslash before any other character stays as it is written, so
// that "\Size" is the five characters it shows. A blank line and a line whose
// first non-blank character is '#' give no tokens. A CR at the end of the
// line is ignored.
LexResult tokenize(std::string_view line);

// A number as scenarios write it: optional '-', digits, and an optional
// decimal part after "," or ".". Nothing for any other word.
std::optional<double> parseNumber(std::string_view word);

// A whole number (optional '-', digits) that fits the type.
std::optional<long long> parseInteger(std::string_view word);

// The value of a token: a string is a text; a word is true, false, a colour
// &HXXXXXX (hex, as the runtime stores it) or a number. Nothing otherwise.
std::optional<rt::Value> parseValue(const Token& token);

// A text as a scenario writes it: in double quotes, with escapes for the
// quote, the backslash and every byte that is not printable.
std::string quote(std::string_view text);

// A value as a scenario writes it: quoted text, true/false, or the shortest
// decimal form that reads back as the same double.
std::string formatValue(const rt::Value& v);

// A colour property's value as scenarios write colours (&H00FF00,
// &H80000012); any other value as formatValue.
std::string formatColour(const rt::Value& v);

}  // namespace mirl::scenario
