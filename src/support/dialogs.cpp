#include "support/dialogs.h"

#include <filesystem>
#include <utility>
#include <vector>

#include "context/app.h"
#include "runtime/file_extension.h"
#include "runtime/utf8.h"

namespace mirl {
namespace {

// The longest file name, in bytes, that the file systems take.
constexpr size_t kLongestName = 255;

// The pairs of the NUL-separated list: the list ends at its first empty
// part, and a description without a pattern is not a pair.
std::vector<std::pair<std::string, std::string>> filterPairs(std::string_view filter) {
  const std::string list = Filter_Umwandeln(filter);
  std::vector<std::string> parts;
  size_t pos = 0;
  while (pos < list.size()) {
    const size_t nul = list.find('\0', pos);
    if (nul == pos) break;
    parts.emplace_back(list.substr(pos, nul - pos));
    pos = nul + 1;
  }
  std::vector<std::pair<std::string, std::string>> pairs;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) pairs.emplace_back(parts[i], parts[i + 1]);
  return pairs;
}

// What the dialog's file buffer gives back: the text before its first NUL,
// and nothing unless that NUL stands at index 2 or later.
std::string fromBuffer(const std::string& answer) {
  std::string path = answer.substr(0, answer.find('\0'));
  if (path.size() < 2) return "";
  return path;
}

// C0 controls, DEL, and the C1 controls (U+0080 to U+009F, in UTF-8 the
// byte 0xC2 followed by 0x80 to 0x9F).
size_t controlLength(std::string_view s, size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  if (c < 0x20 || c == 0x7F) return 1;
  if (c == 0xC2 && i + 1 < s.size()) {
    const auto next = static_cast<unsigned char>(s[i + 1]);
    if (next >= 0x80 && next <= 0x9F) return 2;
  }
  return 0;
}

// The name the save dialog proposes: up to its first NUL, without control
// characters, cut to the longest file name without splitting a character;
// nothing when only dots or nothing remain ("." and ".." name folders).
std::string proposedFileName(std::string_view name) {
  name = name.substr(0, name.find('\0'));
  std::string out;
  for (size_t i = 0; i < name.size();) {
    if (const size_t n = controlLength(name, i); n > 0) {
      i += n;
      continue;
    }
    out += name[i++];
  }
  if (out.size() > kLongestName) {
    size_t cut = kLongestName;
    while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
    out.resize(cut);
  }
  if (out.find_first_not_of('.') == std::string::npos) return "";
  return out;
}

}  // namespace

std::string Filter_Umwandeln(std::string_view filter) {
  std::string out(filter);
  for (char& c : out) {
    if (c == '|') c = '\0';
  }
  out += '\0';
  return out;
}

std::string Dialog_Oeffnen(App& app, std::string_view filter, std::string_view startPath) {
  rt::FileDialogRequest request;
  request.kind = rt::FileDialogRequest::Kind::Open;
  request.title = "Öffnen";
  request.filters = filterPairs(filter);
  request.startPath = std::string(startPath);
  std::string path = fromBuffer(app.host().fileDialog(request));
  // Only a file that is there can be read.
  std::error_code ec;
  if (!path.empty() && !std::filesystem::is_regular_file(path, ec)) return "";
  return path;
}

std::string Dialog_Speichern(App& app, std::string_view filter, std::string_view defaultExtension,
                             std::string_view startPath, std::string_view proposedName) {
  rt::FileDialogRequest request;
  request.kind = rt::FileDialogRequest::Kind::Save;
  request.title = "Speichern";
  request.filters = filterPairs(filter);
  request.startPath = std::string(startPath);
  request.proposedName = proposedFileName(proposedName);
  request.defaultExtension = std::string(defaultExtension);
  return rt::withDefaultExtension(fromBuffer(app.host().fileDialog(request)), defaultExtension);
}

}  // namespace mirl
