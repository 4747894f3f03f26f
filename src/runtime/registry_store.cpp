#include "runtime/registry_store.h"

#include <charconv>
#include <iostream>
#include <system_error>
#include <unordered_map>

#include "runtime/file_io.h"
#include "runtime/file_lock.h"
#include "runtime/registry_format.h"
#include "runtime/user_dirs.h"
#include "runtime/utf8_codec.h"

namespace mirl::rt {
namespace {

// Lower case of the Latin letters (ASCII, Latin-1 and Latin Extended-A),
// which covers the names the program writes and the paths of its users.
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

template <typename T>
bool parseNumber(const regfile::Word& w, T& out) {
  if (w.quoted || w.text.empty()) return false;
  const char* end = w.text.data() + w.text.size();
  const auto [p, ec] = std::from_chars(w.text.data(), end, out);
  return ec == std::errc() && p == end;
}

bool isWord(const regfile::Word& w, std::string_view text) { return !w.quoted && w.text == text; }

// The value of a line "value NAME TYPE ..." (words from TYPE on).
bool parseValue(const std::vector<regfile::Word>& w, RegValue& v) {
  if (w.size() == 4 && isWord(w[2], "sz") && w[3].quoted) {
    v.type = RegValue::Sz;
    v.text = w[3].text;
    return true;
  }
  if (w.size() == 4 && isWord(w[2], "expand_sz") && w[3].quoted) {
    v.type = RegValue::ExpandSz;
    v.text = w[3].text;
    return true;
  }
  if (w.size() == 4 && isWord(w[2], "dword")) {
    v.type = RegValue::Dword;
    return parseNumber(w[3], v.number);
  }
  // Text and number types are never written as bytes.
  return w.size() == 5 && isWord(w[2], "bytes") && parseNumber(w[3], v.type) &&
         v.type != RegValue::Sz && v.type != RegValue::ExpandSz && v.type != RegValue::Dword &&
         w[4].quoted && regfile::fromHex(w[4].text, v.bytes);
}

}  // namespace

RegistryStore::RegistryStore(std::filesystem::path file, uid_t user) : file_(std::move(file)), user_(user) { load(); }

std::filesystem::path RegistryStore::defaultFile() {
  const std::filesystem::path base = userBaseFolder("XDG_CONFIG_HOME", ".config");
  return base / "Quillfen" / "MirlFumarix" / "registry";
}

std::string RegistryStore::fold(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    char32_t cp = 0;
    const size_t len = utf8::decode(s, i, cp);
    if (len == 0) {
      out += s[i++];
      continue;
    }
    utf8::append(out, lower(cp));
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
  if (norm.empty()) return false;
  const bool made = change(Change{Change::CreateKey, norm, std::string(keyClass), {}});
  if (created != nullptr) *created = made;
  return made;
}

// Adds the key and every missing parent, each with the class given; true
// when the key itself was missing.
bool RegistryStore::applyCreateKey(const std::string& norm, const std::string& keyClass) {
  if (keys_.count(fold(norm)) != 0) return false;
  size_t pos = 0;
  while (pos != std::string::npos) {
    pos = norm.find('\\', pos + 1);
    const std::string prefix = norm.substr(0, pos);
    keys_.try_emplace(fold(prefix), Key{prefix, keyClass, {}});
  }
  return true;
}

std::optional<std::string> RegistryStore::keyClass(std::string_view path) const {
  const std::string norm = normalizePath(path);
  const auto it = keys_.find(fold(norm));
  if (it != keys_.end()) return it->second.keyClass;
  if (norm.empty()) return std::string();
  return std::nullopt;
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
  return change(Change{Change::WriteValue, normalizePath(path), std::string(name), tidy(value)});
}

// Sets the value in its key (the root always exists); false when the key is
// missing.
bool RegistryStore::applyWriteValue(const std::string& norm, const std::string& name, const RegValue& value) {
  auto it = keys_.find(fold(norm));
  if (it == keys_.end()) {
    if (!norm.empty()) return false;
    it = keys_.emplace(std::string(), Key{}).first;
  }
  const std::string id = fold(name);
  for (auto& [n, v] : it->second.values) {
    if (fold(n) == id) {
      v = value;  // the name keeps its first spelling
      return true;
    }
  }
  it->second.values.emplace_back(name, value);
  return true;
}

bool RegistryStore::apply(const Change& c) {
  return c.kind == Change::CreateKey ? applyCreateKey(c.path, c.text) : applyWriteValue(c.path, c.text, c.value);
}

bool RegistryStore::change(const Change& c) {
  if (batchDepth_ > 0) {
    if (!apply(c)) return false;
    pending_.push_back(c);
    return true;
  }
  return rewrite({&c, 1});
}

// One read-modify-write of the file under the folder's lock: the file is
// read again, so that what another running instance saved meanwhile is kept,
// the changes are made on what was read and the result is saved. When no
// change does anything (a key that exists, a value whose key is missing),
// nothing is saved. A failed save leaves the store as it was before.
bool RegistryStore::rewrite(std::span<const Change> changes) {
  const std::filesystem::path folder = file_.parent_path();
  if (!folder.empty()) makePrivateFolders(folder);  // for the lock; a failure shows in the save
  const FolderLock lock(folder, FolderLock::kWait, user_);
  const Snapshot before = snapshot();
  load();
  bool done = false;
  for (const Change& c : changes) done = apply(c) || done;
  if (done) {
    if (save()) return true;
    std::cerr << "mirlfumarix: the settings could not be saved to " << file_.string() << "\n";
  }
  restore(before);
  return false;
}

RegistryStore::Snapshot RegistryStore::snapshot() const { return Snapshot{keys_, damaged_, damagedBytes_}; }

void RegistryStore::restore(Snapshot s) {
  keys_ = std::move(s.keys);
  damaged_ = s.damaged;
  damagedBytes_ = std::move(s.damagedBytes);
}

RegistryStore::Batch::Batch(RegistryStore& store) : store_(store) {
  if (store_.batchDepth_++ == 0) store_.batchStart_ = store_.snapshot();
}

RegistryStore::Batch::~Batch() {
  if (--store_.batchDepth_ > 0) return;
  std::vector<Change> pending = std::move(store_.pending_);
  store_.pending_.clear();
  Snapshot start = std::move(*store_.batchStart_);
  store_.batchStart_.reset();
  if (pending.empty()) return;
  if (!store_.rewrite(pending)) store_.restore(std::move(start));
}

// Puts the damaged file aside before it is replaced: its bytes are copied
// when they were read, a file too large to read is moved. When it cannot be
// kept, standard error says so and the save goes on.
void RegistryStore::keepDamagedFile() {
  if (damagedKept_) return;
  damagedKept_ = true;
  const std::optional<std::filesystem::path> kept = damagedBytes_ ? copyAside(file_, *damagedBytes_) : moveAside(file_);
  if (!kept) std::cerr << "mirlfumarix: the damaged settings file " << file_.string() << " could not be kept beside it\n";
}

bool RegistryStore::save() {
  std::string text = "# Settings of MirlFumarix: window placement and the last files chosen.\n";
  for (const auto& [id, key] : keys_) {
    text += "key " + regfile::quote(key.name) + " class " + regfile::quote(key.keyClass) + "\n";
    for (const auto& [name, v] : key.values) {
      text += "value " + regfile::quote(name) + " ";
      switch (v.type) {
        case RegValue::Sz: text += "sz " + regfile::quote(v.text); break;
        case RegValue::ExpandSz: text += "expand_sz " + regfile::quote(v.text); break;
        case RegValue::Dword: text += "dword " + std::to_string(v.number); break;
        default: text += "bytes " + std::to_string(v.type) + " " + regfile::quote(regfile::toHex(v.bytes));
      }
      text += "\n";
    }
  }
  if (text.size() > kMaxFileBytes) return false;  // the next start could not read it
  if (damaged_) keepDamagedFile();
  if (!replaceFileAtomically(file_, text, user_)) return false;
  damagedKept_ = false;
  damaged_ = false;
  damagedBytes_.reset();
  return true;
}

void RegistryStore::load() {
  keys_.clear();
  damaged_ = false;
  damagedBytes_.reset();
  FileRead read = readSaveTarget(file_, kMaxFileBytes, user_);
  switch (read.result) {
    case FileRead::Read:
      parse(read.bytes);
      if (damaged_) damagedBytes_ = std::move(read.bytes);
      return;
    case FileRead::Unreadable:
    case FileRead::TooLarge:
      damaged_ = true;
      return;
    default:
      // Nothing there, or anything but a regular file (a FIFO, a device, a
      // folder), which is no store and stays untouched: saving over it fails.
      return;
  }
}

void RegistryStore::parse(std::string_view text) {
  std::map<std::string, Key> keys;
  // Where each value name of a key stands in its list, by folded name, so
  // that a key with many values loads in linear time.
  std::map<std::string, std::unordered_map<std::string, size_t>> valueIndex;
  Key* current = nullptr;
  std::unordered_map<std::string, size_t>* currentIndex = nullptr;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t lf = text.find('\n', pos);
    if (lf == std::string_view::npos) lf = text.size();
    std::string_view line = text.substr(pos, lf - pos);
    pos = lf + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') continue;

    std::vector<regfile::Word> w;
    const bool split = regfile::splitWords(line, w);
    RegValue v;
    if (split && w.size() == 4 && isWord(w[0], "key") && w[1].quoted && isWord(w[2], "class") &&
        w[3].quoted) {
      const std::string norm = normalizePath(w[1].text);
      const std::string id = fold(norm);
      current = &keys[id];
      currentIndex = &valueIndex[id];
      current->name = norm;
      current->keyClass = w[3].text;
    } else if (split && w.size() >= 4 && isWord(w[0], "value") && w[1].quoted && current != nullptr &&
               parseValue(w, v)) {
      const auto [at, added] = currentIndex->try_emplace(fold(w[1].text), current->values.size());
      if (added) {
        current->values.emplace_back(w[1].text, v);
      } else {
        current->values[at->second].second = v;  // a name given twice: the later line counts
      }
    } else {
      // A damaged line is skipped. Unless it is a value line, it may have
      // been a key's line: the values after it belong to no key read.
      damaged_ = true;
      if (line.substr(first, 6) != "value " && line.substr(first, 6) != "value\t") {
        current = nullptr;
        currentIndex = nullptr;
      }
    }
  }

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
