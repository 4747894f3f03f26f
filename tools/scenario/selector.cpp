#include "scenario/selector.h"

#include <charconv>

namespace mirl::scenario {

namespace {

bool isNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// "name" or "name(123)".
std::optional<NamePart> parsePart(std::string_view s) {
  NamePart p;
  size_t i = 0;
  while (i < s.size() && isNameChar(s[i])) ++i;
  if (i == 0) return std::nullopt;
  p.name = std::string(s.substr(0, i));
  if (i == s.size()) return p;
  if (s[i] != '(' || s.back() != ')') return std::nullopt;
  std::string_view digits = s.substr(i + 1, s.size() - i - 2);
  int v = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
  if (digits.empty() || ec != std::errc{} || end != digits.data() + digits.size() || v < 0) {
    return std::nullopt;
  }
  p.index = v;
  return p;
}

}  // namespace

SelectorResult parseSelector(std::string_view word) {
  SelectorResult r;
  r.selector.text = std::string(word);
  std::vector<NamePart> parts;
  size_t start = 0;
  while (true) {
    size_t dot = word.find('.', start);
    std::string_view piece = word.substr(start, dot == std::string_view::npos ? word.npos : dot - start);
    auto part = parsePart(piece);
    if (!part) {
      r.error = "not a control or property name: " + std::string(word);
      return r;
    }
    parts.push_back(std::move(*part));
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  if (parts.front().name.starts_with("frm_") && !parts.front().index) {
    r.selector.form = parts.front().name;
    parts.erase(parts.begin());
  }
  if (parts.size() > 2) {
    r.error = "too many parts in " + std::string(word);
    return r;
  }
  if (r.selector.form.empty() && parts.empty()) {
    r.error = "not a control or property name: " + std::string(word);
    return r;
  }
  r.selector.parts = std::move(parts);
  return r;
}

}  // namespace mirl::scenario
