#include "runtime/file_extension.h"

#include "runtime/text.h"

namespace mirl::rt {

namespace {
constexpr size_t kLongestExtension = 10;
}  // namespace

bool hasOwnExtension(std::string_view fileName) {
  const size_t dot = fileName.find_last_of('.');
  if (dot == std::string_view::npos) return false;
  const std::string_view ext = fileName.substr(dot + 1);
  if (ext.empty() || ext.size() > kLongestExtension || !isLetter(ext.front())) return false;
  for (char c : ext) {
    if (!isLetter(c) && !isDigit(c)) return false;
  }
  return true;
}

std::string withDefaultExtension(std::string path, std::string_view extension) {
  if (path.empty() || extension.empty()) return path;
  const size_t slash = path.find_last_of('/');
  const std::string_view name = std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
  if (name.empty() || hasOwnExtension(name)) return path;
  path += '.';
  path += extension;
  return path;
}

}  // namespace mirl::rt
