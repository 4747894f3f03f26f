#include "runtime/ini_file.h"

#include <algorithm>
#include <optional>
#include <unistd.h>
#include <utility>

#include "runtime/codepage.h"
#include "runtime/file_io.h"

namespace mirl::rt::ini {
namespace {

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

// The name as it is matched: every letter in lower case.
std::string folded(std::string_view name) {
  std::string out(name);
  for (char& c : out) c = static_cast<char>(foldByte(static_cast<unsigned char>(c)));
  return out;
}

// The index of a key: its section's folded name, a LF (which no name
// holds) and its own folded name.
std::string keyId(std::string_view foldedSection, std::string_view key) {
  std::string id(foldedSection);
  id += '\n';
  id += folded(key);
  return id;
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

// The line break that must come before a line added at the end of text:
// none when its last line has its LF, else what completes it.
std::string_view breakBefore(std::string_view text) {
  if (text.empty() || text.back() == '\n') return "";
  return text.back() == '\r' ? "\n" : "\r\n";
}

// A value as a read gives it from its raw text in the file: without the
// blanks at its ends and one pair of enclosing quotation marks, up to a
// NUL, at most kMaxValue characters, a CR alone as the blank it is written
// as.
std::string valueRead(std::string_view raw) {
  std::string_view value = trim(raw);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  value = untilNul(value);
  if (value.size() > kMaxValue) value = value.substr(0, kMaxValue);
  std::string bytes(value);
  for (char& c : bytes) {
    if (c == '\r') c = ' ';
  }
  return cp1252::toUtf8(bytes);
}

}  // namespace

// One pass over the lines. A section line is "[" name "]" (up to its last
// "]"); only the first section of a name counts, and in it the first key
// of a name. A key line is one with "=" that is no comment (";").
Document::Document(std::string bytes) : text_(std::move(bytes)) {
  const std::string_view text(text_);
  bool inSection = false;  // in the first section of its name
  std::string sectionName;  // folded
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t lf = text.find('\n', pos);
    const std::size_t next = lf == std::string_view::npos ? text.size() : lf + 1;
    std::size_t end = lf == std::string_view::npos ? text.size() : lf;
    if (end > pos && text[end - 1] == '\r') --end;
    const std::size_t begin = pos;
    pos = next;

    const std::string_view body = text.substr(begin, end - begin);
    const std::string_view content = trim(body);
    if (content.empty()) continue;
    if (content.front() == '[') {
      const std::size_t close = content.rfind(']');
      if (close != std::string_view::npos && close > 0) {
        sectionName = folded(trim(content.substr(1, close - 1)));
        inSection = sectionIndex_.try_emplace(sectionName, sections_.size()).second;
        if (inSection) sections_.push_back(Section{next, false, {}});
        continue;
      }
    }
    if (!inSection) continue;
    sections_.back().insertAt = next;  // its last non-blank line so far
    if (content.front() == ';') continue;
    const std::size_t eq = body.find('=');
    if (eq == std::string_view::npos) continue;
    if (keyIndex_.try_emplace(keyId(sectionName, trim(body.substr(0, eq))), KeyPlace{false, keyLines_.size()}).second) {
      keyLines_.push_back(KeyLine{begin + eq, end, false, {}});
    }
  }
}

std::string_view Document::valueOf(const KeyPlace& place) const {
  if (place.added) return addedKeys_[place.index].value;
  const KeyLine& line = keyLines_[place.index];
  if (line.written) return line.value;
  return std::string_view(text_).substr(line.eq + 1, line.end - line.eq - 1);
}

std::string Document::read(std::string_view section, std::string_view key, std::string_view defaultValue) const {
  const auto it = keyIndex_.find(keyId(folded(trim(forFile(section))), trim(forFile(key))));
  if (it == keyIndex_.end()) return readDefault(defaultValue);
  return valueRead(valueOf(it->second));
}

bool Document::hasSection(std::string_view section) const {
  return sectionIndex_.contains(folded(trim(forFile(section))));
}

bool Document::write(std::string_view section, std::string_view key, std::string_view value) {
  const std::string keyText = forFile(key);
  const std::string_view keyName = trim(keyText);
  if (!keyFitsTheFormat(keyName)) return false;
  const std::string sectionText = forFile(section);
  const std::string_view sectionName = trim(sectionText);
  const std::string sectionId = folded(sectionName);
  std::string valueText = valueForFile(value);

  const auto [it, isNew] = keyIndex_.try_emplace(keyId(sectionId, keyName), KeyPlace{true, addedKeys_.size()});
  if (!isNew) {
    if (it->second.added) {
      addedKeys_[it->second.index].value = std::move(valueText);
    } else {
      KeyLine& line = keyLines_[it->second.index];
      if (!line.written) writtenLines_.push_back(it->second.index);
      line.written = true;
      line.value = std::move(valueText);
    }
    return true;
  }
  const auto [section_, sectionIsNew] = sectionIndex_.try_emplace(sectionId, sections_.size());
  if (sectionIsNew) sections_.push_back(Section{text_.size(), true, std::string(sectionName)});
  addedKeys_.push_back(AddedKey{section_->second, std::string(keyName), std::move(valueText)});
  return true;
}

// The text copied with its written values in place and the added keys
// after their sections' last non-blank lines; the added sections follow at
// the end, each with its keys, in the order they were added.
std::string Document::bytes() const {
  struct Edit {
    std::size_t at;       // where it goes in the text
    std::size_t until;    // what of the text it replaces ends here
    std::size_t order;    // keys added at one place keep their order
    bool addedKey;        // a key line, else a value written in place
    std::string_view name, value;
  };
  std::vector<Edit> edits;
  edits.reserve(writtenLines_.size() + addedKeys_.size());
  for (std::size_t i : writtenLines_) {
    const KeyLine& line = keyLines_[i];
    std::size_t start = line.eq + 1;
    while (start < line.end && isBlank(text_[start])) ++start;
    edits.push_back(Edit{start, line.end, 0, false, {}, line.value});
  }
  for (std::size_t i = 0; i < addedKeys_.size(); ++i) {
    const Section& section = sections_[addedKeys_[i].section];
    if (!section.added) edits.push_back(Edit{section.insertAt, section.insertAt, i, true, addedKeys_[i].name, addedKeys_[i].value});
  }
  std::sort(edits.begin(), edits.end(),
            [](const Edit& a, const Edit& b) { return a.at != b.at ? a.at < b.at : a.order < b.order; });

  std::string out;
  out.reserve(text_.size() + 64 * (edits.size() + addedKeys_.size()));
  std::size_t copied = 0;
  for (const Edit& edit : edits) {
    out.append(text_, copied, edit.at - copied);
    copied = edit.until;
    if (!edit.addedKey) {
      out += edit.value;
      continue;
    }
    out += breakBefore(out);
    out.append(edit.name).append("=").append(edit.value).append("\r\n");
  }
  out.append(text_, copied);

  for (std::size_t s = 0; s < sections_.size(); ++s) {
    if (!sections_[s].added) continue;
    out += breakBefore(out);
    out.append("[").append(sections_[s].name).append("]\r\n");
    for (const AddedKey& key : addedKeys_) {
      if (key.section == s) out.append(key.name).append("=").append(key.value).append("\r\n");
    }
  }
  return out;
}

namespace {

Loaded loaded(rt::FileRead read) {
  switch (read.result) {
    case rt::FileRead::Read: return Loaded{Found::Text, Document(std::move(read.bytes))};
    case rt::FileRead::Missing: return Loaded{Found::Missing, {}};
    case rt::FileRead::TooLarge: return Loaded{Found::TooLarge, {}};
    default: return Loaded{Found::Unreadable, {}};
  }
}

}  // namespace

Loaded load(const std::filesystem::path& file) { return loaded(readFile(file, kMaxFileBytes)); }

Loaded load(const std::filesystem::path& file, uid_t user) {
  return loaded(readSaveTarget(file, kMaxFileBytes, user));
}

std::string read(const std::filesystem::path& file, std::string_view section, std::string_view key,
                 std::string_view defaultValue) {
  return load(file).document.read(section, key, defaultValue);
}

bool write(const std::filesystem::path& file, std::string_view section, std::string_view key,
           std::string_view value) {
  const Entry entry{section, key, value};
  return write(file, std::span<const Entry>(&entry, 1));
}

// The one read-modify-write of a file (updateFile, under its folder's lock):
// read, split and changed in memory, then replaced.
bool write(const std::filesystem::path& file, std::span<const Entry> entries) {
  for (const Entry& entry : entries) {
    if (!keyFitsTheFormat(trim(forFile(entry.key)))) return false;
  }
  return updateFile(file, kMaxFileBytes, [&](std::string& text) {
    Document document(std::move(text));
    for (const Entry& entry : entries) document.write(entry.section, entry.key, entry.value);
    text = document.bytes();
  }, ::geteuid());
}

}  // namespace mirl::rt::ini
