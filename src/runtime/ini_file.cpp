#include "runtime/ini_file.h"

#include <optional>
#include <unistd.h>
#include <vector>

#include "runtime/codepage.h"
#include "runtime/file_io.h"

namespace mirl::rt::ini {
namespace {

// Longest value a read returns, in characters (bytes of the code page).
constexpr size_t kMaxValue = 1023;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// A text handed to the file functions ends at its first NUL character.
std::string_view untilNul(std::string_view s) {
  const size_t nul = s.find('\0');
  return nul == std::string_view::npos ? s : s.substr(0, nul);
}

// Lower case of a Windows-1252 byte: ASCII letters, the accented capitals
// 0xC0-0xDE (not the multiplication sign) and the capitals among 0x80-0x9F.
unsigned char foldByte(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A: return 0x9A;  // S with caron
    case 0x8C: return 0x9C;  // OE
    case 0x8E: return 0x9E;  // Z with caron
    case 0x9F: return 0xFF;  // Y with diaeresis
    default: return c;
  }
}

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (foldByte(static_cast<unsigned char>(a[i])) != foldByte(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

// One line of the file: [begin, end) is its text without CR LF or LF,
// next the start of the following line (the file size after the last one).
struct Line {
  enum class Kind { Other, Section, Key };
  size_t begin = 0, end = 0, next = 0;
  Kind kind = Kind::Other;
  std::string_view name;  // section name or key name, trimmed
  size_t eq = 0;          // position of "=" in a key line
  bool blank = false;
};

std::vector<Line> splitLines(std::string_view text) {
  std::vector<Line> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    Line line;
    line.begin = pos;
    const size_t lf = text.find('\n', pos);
    line.next = lf == std::string_view::npos ? text.size() : lf + 1;
    line.end = lf == std::string_view::npos ? text.size() : lf;
    if (line.end > line.begin && text[line.end - 1] == '\r') --line.end;
    pos = line.next;

    const std::string_view body = text.substr(line.begin, line.end - line.begin);
    const std::string_view content = trim(body);
    line.blank = content.empty();
    if (!content.empty() && content.front() == '[') {
      const size_t close = content.rfind(']');
      if (close != std::string_view::npos && close > 0) {
        line.kind = Line::Kind::Section;
        line.name = trim(content.substr(1, close - 1));
        lines.push_back(line);
        continue;
      }
    }
    if (!content.empty() && content.front() != ';') {
      const size_t eq = body.find('=');
      if (eq != std::string_view::npos) {
        line.kind = Line::Kind::Key;
        line.eq = line.begin + eq;
        line.name = trim(body.substr(0, eq));
      }
    }
    lines.push_back(line);
  }
  return lines;
}

// Where a key stands: the index of its section line (or none), and of its
// key line (or none). The first section and the first key of a name count.
struct Place {
  std::optional<size_t> section;
  std::optional<size_t> key;
  size_t lastNonBlank = 0;  // last non-blank line of the section
};

Place locate(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
  Place place;
  size_t i = 0;
  for (; i < lines.size(); ++i) {
    if (lines[i].kind == Line::Kind::Section && sameName(lines[i].name, section)) break;
  }
  if (i == lines.size()) return place;
  place.section = i;
  place.lastNonBlank = i;
  for (size_t j = i + 1; j < lines.size() && lines[j].kind != Line::Kind::Section; ++j) {
    if (!lines[j].blank) place.lastNonBlank = j;
    if (!place.key && lines[j].kind == Line::Kind::Key && sameName(lines[j].name, key)) {
      place.key = j;
    }
  }
  return place;
}

// A name or value to be written: in the code page, cut at a NUL, and with
// CR and LF as blanks so that it stays on its line.
std::string forFile(std::string_view utf8) {
  std::string s = cp1252::fromUtf8(untilNul(utf8));
  for (char& c : s) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return s;
}

// The line break that must come before text added at position next, the end
// of a line: none when the line has its LF, else what completes it.
std::string_view breakAfter(std::string_view text, size_t next) {
  if (next == 0 || text[next - 1] == '\n') return "";
  return text[next - 1] == '\r' ? "\n" : "\r\n";
}

// A key name that reads back as itself: an "=" would end the name early, and
// a name starting with "[" or ";" would make its line a section or a comment.
bool keyFitsTheFormat(std::string_view trimmedKey) {
  if (trimmedKey.find('=') != std::string_view::npos) return false;
  return trimmedKey.empty() || (trimmedKey.front() != '[' && trimmedKey.front() != ';');
}

// A value that reading would change, one with blanks at an end or enclosed
// in a pair of quotation marks, goes into the file inside double quotes,
// which reading takes off again.
std::string valueForFile(std::string_view utf8) {
  std::string v = forFile(utf8);
  const bool blankEnd = !v.empty() && (isBlank(v.front()) || isBlank(v.back()));
  const bool enclosed = v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
  return blankEnd || enclosed ? "\"" + v + "\"" : v;
}

std::string readDefault(std::string_view defaultValue) {
  std::string s = cp1252::fromUtf8(untilNul(defaultValue));
  while (!s.empty() && s.back() == ' ') s.pop_back();
  if (s.size() > kMaxValue) s.resize(kMaxValue);
  return cp1252::toUtf8(s);
}

}  // namespace

std::string read(const std::filesystem::path& file, std::string_view section, std::string_view key,
                 std::string_view defaultValue) {
  const std::optional<std::string> text = readWholeFile(file);
  if (!text) return readDefault(defaultValue);
  const std::string sectionName = forFile(section);
  const std::string keyName = forFile(key);
  const std::vector<Line> lines = splitLines(*text);
  const Place place = locate(lines, trim(sectionName), trim(keyName));
  if (!place.key) return readDefault(defaultValue);

  const Line& line = lines[*place.key];
  std::string_view value =
      trim(std::string_view(*text).substr(line.eq + 1, line.end - line.eq - 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  value = untilNul(value);
  if (value.size() > kMaxValue) value = value.substr(0, kMaxValue);
  // A CR alone inside a line reads as the blank it is written as.
  std::string bytes(value);
  for (char& c : bytes) {
    if (c == '\r') c = ' ';
  }
  return cp1252::toUtf8(bytes);
}

namespace {

// Writes one key into the text of a file, as write() does to the file.
void apply(std::string& text, const Entry& entry) {
  const std::string sectionText = forFile(entry.section);
  const std::string keyText = forFile(entry.key);
  const std::string_view sectionName = trim(sectionText);
  const std::string_view keyName = trim(keyText);
  const std::string valueText = valueForFile(entry.value);

  const std::vector<Line> lines = splitLines(text);
  const Place place = locate(lines, sectionName, keyName);
  const std::string keyLine = std::string(keyName) + "=" + valueText;

  if (place.key) {
    // Keep the key as spelled in the file and the blanks after "=".
    const Line& line = lines[*place.key];
    size_t start = line.eq + 1;
    while (start < line.end && isBlank(text[start])) ++start;
    text.replace(start, line.end - start, valueText);
  } else if (place.section) {
    const Line& last = lines[place.lastNonBlank];
    const std::string insert = std::string(breakAfter(text, last.next)) + keyLine + "\r\n";
    text.insert(last.next, insert);
  } else {
    text += breakAfter(text, text.size());
    text += "[" + std::string(sectionName) + "]\r\n" + keyLine + "\r\n";
  }
}

}  // namespace

bool write(const std::filesystem::path& file, std::string_view section, std::string_view key,
           std::string_view value) {
  const Entry entry{section, key, value};
  return write(file, std::span<const Entry>(&entry, 1));
}

bool write(const std::filesystem::path& file, std::span<const Entry> entries) {
  for (const Entry& entry : entries) {
    if (!keyFitsTheFormat(trim(forFile(entry.key)))) return false;
  }
  return updateFile(file, kNoSizeLimit, [&](std::string& text) {
    for (const Entry& entry : entries) apply(text, entry);
  }, ::geteuid());
}

}  // namespace mirl::rt::ini
