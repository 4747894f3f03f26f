// Initialisation files of any content: reading never fails, and writing one
// key changes only that key's line (or adds it, or adds its section at the
// end), keeps every other line byte for byte, and the key reads back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "runtime/ini_file.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

// A fresh folder for one run, removed at its end.
struct Folder {
  Folder() {
    std::string templ = (std::filesystem::temp_directory_path() / "mirl-fuzz-ini-XXXXXX").string();
    check(::mkdtemp(templ.data()) != nullptr);
    path = templ;
  }
  ~Folder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::filesystem::path path;
};

std::string slurp(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const char* const kSections[] = {"S", "Global", "aromen", "ÄRGER", "x y", ""};
  static const char* const kKeys[] = {"k", "Berechnung_Menge", "1_aroma_kommentar", "KÖNIG", "dpA_Name"};
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string section = kSections[size > 0 ? data[0] % 6 : 0];
  const std::string key = kKeys[size > 1 ? data[1] % 5 : 0];
  // A value that reads back exactly: no blanks at its ends, no quotes.
  std::string value;
  const size_t valueLength = size > 2 ? data[2] % 40 : 3;
  for (size_t i = 0; i < valueLength; ++i) {
    value += static_cast<char>('a' + (i < size ? data[size - 1 - i] : i) % 26);
  }

  const Folder folder;
  const std::filesystem::path file = folder.path / "fuzz.ini";
  { std::ofstream(file, std::ios::binary | std::ios::trunc) << input; }

  for (const char* s : kSections) {
    for (const char* k : kKeys) check(mirl::rt::ini::read(file, s, k, "default").size() <= 3 * 1023);
  }

  check(mirl::rt::ini::write(file, section, key, value));
  check(mirl::rt::ini::read(file, section, key, "<missing>") == value);

  // The old lines stand unchanged around one replaced line (or none, when
  // the value was already there), one added key line, or an added section
  // with its key at the end.
  const std::vector<std::string> before = lines(input);
  const std::vector<std::string> after = lines(slurp(file));
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
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder.path)) ++entries;
  check(entries == 1);
  return 0;
}
