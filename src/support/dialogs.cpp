#include "support/dialogs.h"

#include <filesystem>
#include <utility>
#include <vector>

#include "context/app.h"
#include "runtime/utf8.h"

namespace mirl {
namespace {

// The file-name box holds 700 characters; a longer proposed name is cut to
// the longest name a file system takes instead of failing.
constexpr int kNameBuffer = 700;
constexpr int kLongestName = 255;

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

std::string Dialog_Speichern(App& app, std::string_view filter, std::string_view /*defaultExtension*/,
                             std::string_view startPath, std::string_view proposedName) {
  std::string_view name = proposedName;
  if (rt::utf8::length(name) > kNameBuffer) name = name.substr(0, rt::utf8::offset(name, kLongestName));
  name = name.substr(0, name.find('\0'));

  rt::FileDialogRequest request;
  request.kind = rt::FileDialogRequest::Kind::Save;
  request.title = "Speichern";
  request.filters = filterPairs(filter);
  request.startPath = std::string(startPath);
  request.proposedName = std::string(name);
  return fromBuffer(app.host().fileDialog(request));
}

}  // namespace mirl
