#include "runtime/registry_store.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

#include "runtime/atomic_file.h"

// The store file is UTF-8 text, one line per key and one per value:
//
//   # comment
//   key "Software\Quillfen\MirlFumarix\Size" class "Anwendungsdaten"
//   value "Left" dword -120
//   value "Maximiert" sz "true"
//   value "Pfad" expand_sz "%25HOME%25"
//   value "Roh" bytes 3 "00ff10"
//
// Texts stand in double quotes; "%", the quotation mark, control characters
// and bytes that are no valid UTF-8 are written as %XX. A value belongs to
// the key line above it. A file that does not follow this form reads as an
// empty store.

namespace mirl::rt {
namespace {

// Decodes one well-formed UTF-8 sequence at s[i]; its length, or 0.
size_t decodeUtf8(std::string_view s, size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  size_t len = 0;
  char32_t min = 0;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (s.size() - i < len) return 0;
  for (size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Lower case of the Latin letters (ASCII, Latin-1 and Latin Extended-A),
// which covers every name the program and its users write.
char32_t lower(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if (c == 0x178) return 0xFF;
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c | 1;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
  return c;
}

// The path with single backslashes between its parts; empty parts dropped.
std::string normalizePath(std::string_view path) {
  std::string out;
  size_t pos = 0;
  while (pos <= path.size()) {
    size_t bs = path.find('\\', pos);
    if (bs == std::string_view::npos) bs = path.size();
    if (bs > pos) {
      if (!out.empty()) out += '\\';
      out.append(path.substr(pos, bs - pos));
    }
    pos = bs + 1;
  }
  return out;
}

std::string quote(std::string_view s) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  size_t i = 0;
  while (i < s.size()) {
    char32_t cp = 0;
    const size_t len = decodeUtf8(s, i, cp);
    if (len == 0 || cp < 0x20 || cp == 0x7F || cp == '%' || cp == '"') {
      const auto b = static_cast<unsigned char>(s[i]);
      out += '%';
      out += kHex[b >> 4];
      out += kHex[b & 0x0F];
      ++i;
    } else {
      out.append(s.substr(i, len));
      i += len;
    }
  }
  out += '"';
  return out;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string hexBytes(const std::vector<std::uint8_t>& bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  for (std::uint8_t b : bytes) {
    out += kHex[b >> 4];
    out += kHex[b & 0x0F];
  }
  return out;
}

// The words of one line: bare words, or quoted texts (decoded).
struct Word {
  std::string text;
  bool quoted = false;
};

bool splitWords(std::string_view line, std::vector<Word>& words) {
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t') {
      ++i;
      continue;
    }
    Word w;
    if (line[i] == '"') {
      w.quoted = true;
      ++i;
      while (i < line.size() && line[i] != '"') {
        if (line[i] == '%') {
          if (i + 2 >= line.size()) return false;
          const int hi = hexDigit(line[i + 1]);
          const int lo = hexDigit(line[i + 2]);
          if (hi < 0 || lo < 0) return false;
          w.text += static_cast<char>(hi * 16 + lo);
          i += 3;
        } else {
          w.text += line[i++];
        }
      }
      if (i == line.size()) return false;  // no closing quotation mark
      ++i;
      if (i < line.size() && line[i] != ' ' && line[i] != '\t') return false;
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') w.text += line[i++];
    }
    words.push_back(std::move(w));
  }
  return true;
}

template <typename T>
bool parseNumber(const Word& w, T& out) {
  if (w.quoted || w.text.empty()) return false;
  const char* end = w.text.data() + w.text.size();
  const auto [p, ec] = std::from_chars(w.text.data(), end, out);
  return ec == std::errc() && p == end;
}

std::optional<std::string> readFile(const std::filesystem::path& file) {
  std::FILE* f = std::fopen(file.c_str(), "rb");
  if (f == nullptr) return std::nullopt;
  std::string text;
  char buffer[16384];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return std::nullopt;
  return text;
}

// Only the field that the type uses is kept.
RegValue tidy(const RegValue& v) {
  RegValue out;
  out.type = v.type;
  if (v.type == RegValue::Sz || v.type == RegValue::ExpandSz) {
    out.text = v.text;
  } else if (v.type == RegValue::Dword) {
    out.number = v.number;
  } else {
    out.bytes = v.bytes;
  }
  return out;
}

}  // namespace

RegistryStore::RegistryStore(std::filesystem::path file) : file_(std::move(file)) { load(); }

std::filesystem::path RegistryStore::defaultFile() {
  std::filesystem::path base;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && xdg[0] == '/') {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
      const passwd* pw = ::getpwuid(::getuid());
      home = pw != nullptr ? pw->pw_dir : nullptr;
    }
    base = std::filesystem::path(home != nullptr ? home : ".") / ".config";
  }
  return base / "Quillfen" / "MirlFumarix" / "registry";
}

std::string RegistryStore::fold(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    char32_t cp = 0;
    const size_t len = decodeUtf8(s, i, cp);
    if (len == 0) {
      out += s[i++];
      continue;
    }
    appendUtf8(out, lower(cp));
    i += len;
  }
  return out;
}

bool RegistryStore::keyExists(std::string_view path) const {
  const std::string norm = normalizePath(path);
  return norm.empty() || keys_.count(fold(norm)) != 0;
}

bool RegistryStore::createKey(std::string_view path, std::string_view keyClass, bool* created) {
  if (created != nullptr) *created = false;
  const std::string norm = normalizePath(path);
  if (norm.empty() || keys_.count(fold(norm)) != 0) return false;

  // The key and every missing parent, each with the class given.
  std::vector<std::string> added;
  size_t pos = 0;
  while (pos != std::string::npos) {
    pos = norm.find('\\', pos + 1);
    const std::string prefix = norm.substr(0, pos);
    const std::string id = fold(prefix);
    if (keys_.count(id) == 0) {
      keys_[id] = Key{prefix, std::string(keyClass), {}};
      added.push_back(id);
    }
  }
  if (!save()) {
    for (const std::string& id : added) keys_.erase(id);
    return false;
  }
  if (created != nullptr) *created = true;
  return true;
}

std::optional<std::string> RegistryStore::keyClass(std::string_view path) const {
  const std::string norm = normalizePath(path);
  const auto it = keys_.find(fold(norm));
  if (it == keys_.end()) {
    if (norm.empty()) return std::string();
    return std::nullopt;
  }
  return it->second.keyClass;
}

std::optional<RegValue> RegistryStore::readValue(std::string_view path, std::string_view name) const {
  const auto it = keys_.find(fold(normalizePath(path)));
  if (it == keys_.end()) return std::nullopt;
  const std::string id = fold(name);
  for (const auto& [n, v] : it->second.values) {
    if (fold(n) == id) return v;
  }
  return std::nullopt;
}

bool RegistryStore::writeValue(std::string_view path, std::string_view name, const RegValue& value) {
  const std::string norm = normalizePath(path);
  const std::string keyId = fold(norm);
  auto it = keys_.find(keyId);
  if (it == keys_.end()) {
    if (!norm.empty()) return false;
    it = keys_.emplace(keyId, Key{}).first;  // the root always exists
  }
  const Key before = it->second;
  auto& values = it->second.values;
  const std::string id = fold(name);
  bool replaced = false;
  for (auto& [n, v] : values) {
    if (fold(n) == id) {
      v = tidy(value);
      replaced = true;
      break;
    }
  }
  if (!replaced) values.emplace_back(std::string(name), tidy(value));
  if (!save()) {
    it->second = before;
    return false;
  }
  return true;
}

bool RegistryStore::save() const {
  std::string text = "# Settings of MirlFumarix: window placement and last files chosen.\n";
  for (const auto& [id, key] : keys_) {
    text += "key " + quote(key.name) + " class " + quote(key.keyClass) + "\n";
    for (const auto& [name, v] : key.values) {
      text += "value " + quote(name) + " ";
      switch (v.type) {
        case RegValue::Sz: text += "sz " + quote(v.text); break;
        case RegValue::ExpandSz: text += "expand_sz " + quote(v.text); break;
        case RegValue::Dword: text += "dword " + std::to_string(v.number); break;
        default: text += "bytes " + std::to_string(v.type) + " " + quote(hexBytes(v.bytes)); break;
      }
      text += "\n";
    }
  }
  std::error_code ec;
  const std::filesystem::path folder = file_.parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);
  return replaceFileAtomically(file_, text);
}

void RegistryStore::load() {
  keys_.clear();
  const std::optional<std::string> text = readFile(file_);
  if (!text) return;

  std::map<std::string, Key> keys;
  Key* current = nullptr;
  bool damaged = false;
  size_t pos = 0;
  while (pos < text->size() && !damaged) {
    size_t lf = text->find('\n', pos);
    if (lf == std::string::npos) lf = text->size();
    std::string_view line(text->data() + pos, lf - pos);
    pos = lf + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') continue;

    std::vector<Word> w;
    if (!splitWords(line, w)) {
      damaged = true;
    } else if (w.size() == 4 && !w[0].quoted && w[0].text == "key" && w[1].quoted &&
               w[2].text == "class" && !w[2].quoted && w[3].quoted) {
      const std::string norm = normalizePath(w[1].text);
      Key& k = keys[fold(norm)];
      k.name = norm;
      k.keyClass = w[3].text;
      current = &k;
    } else if (w.size() >= 4 && !w[0].quoted && w[0].text == "value" && w[1].quoted &&
               current != nullptr) {
      RegValue v;
      const std::string kind = w[2].quoted ? std::string() : w[2].text;
      if (kind == "sz" && w.size() == 4 && w[3].quoted) {
        v.type = RegValue::Sz;
        v.text = w[3].text;
      } else if (kind == "expand_sz" && w.size() == 4 && w[3].quoted) {
        v.type = RegValue::ExpandSz;
        v.text = w[3].text;
      } else if (kind == "dword" && w.size() == 4 && parseNumber(w[3], v.number)) {
        v.type = RegValue::Dword;
      } else if (kind == "bytes" && w.size() == 5 && parseNumber(w[3], v.type) && w[4].quoted &&
                 w[4].text.size() % 2 == 0) {
        for (size_t i = 0; i < w[4].text.size() && !damaged; i += 2) {
          const int hi = hexDigit(w[4].text[i]);
          const int lo = hexDigit(w[4].text[i + 1]);
          if (hi < 0 || lo < 0) damaged = true;
          v.bytes.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
        }
        // A text or number type written as bytes is not a form this store writes.
        if (v.type == RegValue::Sz || v.type == RegValue::ExpandSz || v.type == RegValue::Dword)
          damaged = true;
      } else {
        damaged = true;
      }
      if (!damaged) {
        const std::string id = fold(w[1].text);
        bool replaced = false;
        for (auto& [n, old] : current->values) {
          if (fold(n) == id) {
            old = v;  // a name given twice: the later line counts
            replaced = true;
          }
        }
        if (!replaced) current->values.emplace_back(w[1].text, v);
      }
    } else {
      damaged = true;
    }
  }
  if (damaged) return;

  // Every key has its parents, as the store itself always writes them.
  std::map<std::string, Key> parents;
  for (const auto& [id, key] : keys) {
    size_t cut = key.name.rfind('\\');
    while (cut != std::string::npos && cut > 0) {
      const std::string prefix = key.name.substr(0, cut);
      const std::string pid = fold(prefix);
      if (keys.count(pid) == 0 && parents.count(pid) == 0) parents[pid] = Key{prefix, key.keyClass, {}};
      cut = prefix.rfind('\\');
    }
  }
  keys.merge(parents);
  keys_ = std::move(keys);
}

}  // namespace mirl::rt
