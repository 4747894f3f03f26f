#include "runtime/registry_format.h"

#include "runtime/utf8_codec.h"

namespace mirl::rt::regfile {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string quote(std::string_view text) {
  std::string out = "\"";
  size_t i = 0;
  while (i < text.size()) {
    char32_t cp = 0;
    const size_t len = utf8::decode(text, i, cp);
    if (len == 0 || cp < 0x20 || cp == 0x7F || cp == '%' || cp == '"') {
      const auto b = static_cast<unsigned char>(text[i]);
      out += '%';
      out += kHexDigits[b >> 4];
      out += kHexDigits[b & 0x0F];
      ++i;
    } else {
      out.append(text.substr(i, len));
      i += len;
    }
  }
  out += '"';
  return out;
}

bool splitWords(std::string_view line, std::vector<Word>& words) {
  size_t i = 0;
  while (i < line.size()) {
    if (isBlank(line[i])) {
      ++i;
      continue;
    }
    Word w;
    if (line[i] == '"') {
      w.quoted = true;
      ++i;
      while (i < line.size() && line[i] != '"') {
        if (line[i] != '%') {
          w.text += line[i++];
          continue;
        }
        if (line.size() - i < 3) return false;
        const int hi = hexDigit(line[i + 1]);
        const int lo = hexDigit(line[i + 2]);
        if (hi < 0 || lo < 0) return false;
        w.text += static_cast<char>(hi * 16 + lo);
        i += 3;
      }
      if (i == line.size()) return false;  // not closed
      ++i;
      if (i < line.size() && !isBlank(line[i])) return false;
    } else {
      while (i < line.size() && !isBlank(line[i])) w.text += line[i++];
    }
    words.push_back(std::move(w));
  }
  return true;
}

std::string toHex(const std::vector<std::uint8_t>& bytes) {
  std::string out;
  for (std::uint8_t b : bytes) {
    out += kHexDigits[b >> 4];
    out += kHexDigits[b & 0x0F];
  }
  return out;
}

bool fromHex(std::string_view hex, std::vector<std::uint8_t>& bytes) {
  if (hex.size() % 2 != 0) return false;
  for (size_t i = 0; i < hex.size(); i += 2) {
    const int hi = hexDigit(hex[i]);
    const int lo = hexDigit(hex[i + 1]);
    if (hi < 0 || lo < 0) return false;
    bytes.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
  }
  return true;
}

}  // namespace mirl::rt::regfile
