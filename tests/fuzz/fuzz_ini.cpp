// Initialisation files of any content, values of any bytes (quotes, blanks,
// CR and LF, NUL, bytes that are no Windows-1252 text, more than 1023 of
// them): reading never fails; writing one key changes only that key's line
// (or adds it, or adds its section at the end), keeps every other line byte
// for byte, and the key reads back as the file contract says; a key name
// that a key line cannot hold is refused and the file left alone.
//
// Input: byte 0 picks the section, byte 1 the key, bytes 2 and 3 the length
// of the value, which is taken from the end; what stands between is the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_scratch.h"
#include "runtime/codepage.h"
#include "runtime/ini_file.h"

namespace {

using mirl::fuzz::check;

constexpr size_t kMaxValue = 1023;

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t lf = text.find('\n', pos);
    if (lf == std::string::npos) lf = text.size();
    out.push_back(text.substr(pos, lf - pos));
    pos = lf + 1;
  }
  return out;
}

// What reading gives for a value written: up to a NUL, in the code page, line
// breaks as blanks, at most 1023 characters; blanks at its ends and
// enclosing quotes stay (the writer quotes such a value).
std::string readBackOf(std::string_view value) {
  std::string s = mirl::rt::cp1252::fromUtf8(value.substr(0, value.find('\0')));
  for (char& c : s) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  if (s.size() > kMaxValue) s.resize(kMaxValue);
  return mirl::rt::cp1252::toUtf8(s);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const char* const kSections[] = {"S", "Global", "aromen", "ÄRGER", "x y", ""};
  static const char* const kKeys[] = {"k", "Berechnung_Menge", "1_aroma_kommentar", "KÖNIG", "dpA_Name"};
  static const char* const kRefusedKeys[] = {"[x]", "b=c", ";c"};
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  const std::string_view rest = size >= 4 ? all.substr(4) : std::string_view();
  const size_t valueLength = size >= 4 ? std::min<size_t>((data[2] | data[3] << 8) % 2048, rest.size()) : 0;
  const std::string input(rest.substr(0, rest.size() - valueLength));
  const std::string value(rest.substr(rest.size() - valueLength));
  const std::string section = kSections[size > 0 ? data[0] % 6 : 0];
  const size_t keyPick = size > 1 ? data[1] % 8 : 0;

  const mirl::fuzz::Scratch folder;
  const std::filesystem::path file = folder.path / "fuzz.ini";
  mirl::fuzz::spill(file, input);

  for (const char* s : kSections) {
    for (const char* k : kKeys) check(mirl::rt::ini::read(file, s, k, "default").size() <= 3 * kMaxValue);
  }

  if (keyPick >= 5) {
    check(!mirl::rt::ini::write(file, section, kRefusedKeys[keyPick - 5], value));
    check(mirl::fuzz::slurp(file) == input);
    check(folder.entries() == 1);
    return 0;
  }
  const std::string key = kKeys[keyPick];
  check(mirl::rt::ini::write(file, section, key, value));
  check(mirl::rt::ini::read(file, section, key, "<missing>") == readBackOf(value));

  // The old lines stand unchanged around one replaced line (or none, when
  // the value was already there), one added key line, or an added section
  // with its key at the end.
  const std::vector<std::string> before = lines(input);
  const std::vector<std::string> after = lines(mirl::fuzz::slurp(file));
  const bool lastOpen = !input.empty() && input.back() != '\n';
  const auto same = [&](size_t i, size_t j) {
    std::string a = before[i], b = after[j];
    if (lastOpen && i + 1 == before.size()) {
      if (!a.empty() && a.back() == '\r') a.pop_back();
      if (!b.empty() && b.back() == '\r') b.pop_back();
    }
    return a == b;
  };
  size_t front = 0;
  while (front < before.size() && front < after.size() && same(front, front)) ++front;
  size_t back = 0;
  while (back < before.size() - front && back < after.size() - front &&
         same(before.size() - 1 - back, after.size() - 1 - back)) {
    ++back;
  }
  const size_t removed = before.size() - front - back;
  const size_t added = after.size() - front - back;
  check((removed == 1 && added == 1) || (removed == 0 && added <= 2));
  if (removed == 1) {
    const std::string& old = before[front];
    const std::string& now = after[front];
    const size_t eq = old.find('=');
    check(eq != std::string::npos && now.compare(0, eq + 1, old, 0, eq + 1) == 0);
  }

  // Nothing but the file is left in the folder.
  check(folder.entries() == 1);
  return 0;
}
