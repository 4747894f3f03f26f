#include "scenario/lexer.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace mirl::scenario {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool allDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

LexResult tokenize(std::string_view line) {
  LexResult r;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  size_t i = 0;
  while (i < line.size() && isBlank(line[i])) ++i;
  if (i < line.size() && line[i] == '#') return r;
  while (i < line.size()) {
    if (isBlank(line[i])) {
      ++i;
      continue;
    }
    Token t;
    if (line[i] == '"') {
      t.kind = Token::Kind::String;
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i];
        if (c == '"') {
          closed = true;
          ++i;
          break;
        }
        if (c != '\\' || i + 1 >= line.size()) {
          t.text += c;
          ++i;
          continue;
        }
        char e = line[i + 1];
        switch (e) {
          case '"': t.text += '"'; i += 2; break;
          case '\\': t.text += '\\'; i += 2; break;
          case 'r': t.text += '\r'; i += 2; break;
          case 'n': t.text += '\n'; i += 2; break;
          case 't': t.text += '\t'; i += 2; break;
          case 'x': {
            int hi = i + 2 < line.size() ? hexDigit(line[i + 2]) : -1;
            int lo = i + 3 < line.size() ? hexDigit(line[i + 3]) : -1;
            if (hi < 0 || lo < 0) {
              r.error = "\\x needs two hex digits";
              return r;
            }
            t.text += static_cast<char>(hi * 16 + lo);
            i += 4;
            break;
          }
          default:
            // Not an escape: the backslash is an ordinary character.
            t.text += '\\';
            ++i;
            break;
        }
      }
      if (!closed) {
        r.error = "string without closing quote";
        return r;
      }
      if (i < line.size() && !isBlank(line[i])) {
        r.error = "no blank after a string";
        return r;
      }
    } else {
      size_t start = i;
      while (i < line.size() && !isBlank(line[i])) {
        if (line[i] == '"') {
          r.error = "quote inside a word";
          return r;
        }
        ++i;
      }
      t.text = std::string(line.substr(start, i - start));
    }
    r.tokens.push_back(std::move(t));
  }
  return r;
}

std::optional<double> parseNumber(std::string_view word) {
  std::string plain;
  size_t i = 0;
  if (i < word.size() && word[i] == '-') plain += word[i++];
  size_t sep = word.find_first_of(",.", i);
  std::string_view whole = word.substr(i, sep == std::string_view::npos ? word.size() - i : sep - i);
  if (!allDigits(whole)) return std::nullopt;
  plain += whole;
  if (sep != std::string_view::npos) {
    std::string_view frac = word.substr(sep + 1);
    if (!allDigits(frac)) return std::nullopt;
    plain += '.';
    plain += frac;
  }
  double v = 0;
  auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), v);
  if (ec != std::errc{} || end != plain.data() + plain.size()) return std::nullopt;
  return v;
}

std::optional<long long> parseInteger(std::string_view word) {
  std::string_view digits = !word.empty() && word[0] == '-' ? word.substr(1) : word;
  if (!allDigits(digits)) return std::nullopt;
  long long v = 0;
  auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
  if (ec != std::errc{} || end != word.data() + word.size()) return std::nullopt;
  return v;
}

std::optional<rt::Value> parseValue(const Token& token) {
  if (token.isString()) return rt::Value{token.text};
  const std::string& w = token.text;
  if (w == "true") return rt::Value{true};
  if (w == "false") return rt::Value{false};
  if (w.size() > 2 && (w[0] == '&') && (w[1] == 'H' || w[1] == 'h')) {
    if (w.size() > 10) return std::nullopt;
    double v = 0;
    for (size_t i = 2; i < w.size(); ++i) {
      int d = hexDigit(w[i]);
      if (d < 0) return std::nullopt;
      v = v * 16 + d;
    }
    return rt::Value{v};
  }
  if (auto n = parseNumber(w)) return rt::Value{*n};
  return std::nullopt;
}

std::string quote(std::string_view text) {
  static const char* hex = "0123456789ABCDEF";
  std::string out = "\"";
  for (char c : text) {
    auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default:
        if (u < 0x20 || u == 0x7F) {
          out += "\\x";
          out += hex[u >> 4];
          out += hex[u & 0xF];
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

std::string formatValue(const rt::Value& v) {
  if (auto b = std::get_if<bool>(&v)) return *b ? "true" : "false";
  if (auto s = std::get_if<std::string>(&v)) return quote(*s);
  double d = std::get<double>(v);
  if (std::isnan(d)) return "NaN";
  if (std::isinf(d)) return d < 0 ? "-Infinity" : "Infinity";
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, d);
  if (ec != std::errc{}) return "?";
  return std::string(buf, end);
}

std::string formatColour(const rt::Value& v) {
  const double* d = std::get_if<double>(&v);
  if (!d || *d < 0 || *d > 4294967295.0 || *d != std::floor(*d)) return formatValue(v);
  static const char* hex = "0123456789ABCDEF";
  auto n = static_cast<std::uint32_t>(*d);
  std::string digits;
  for (int shift = 28; shift >= 0; shift -= 4) digits += hex[(n >> shift) & 0xF];
  // Six digits for a real colour (BGR), eight for a system colour.
  return "&H" + (n > 0xFFFFFF ? digits : digits.substr(2));
}

}  // namespace mirl::scenario
