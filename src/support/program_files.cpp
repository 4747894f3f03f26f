#include "support/program_files.h"

#include <string>

#include "context/app.h"
#include "runtime/file_io.h"

namespace mirl {

std::filesystem::path programSubfolder(const App& app, std::string_view name) {
  const std::filesystem::path folder = app.programFolder() / std::string(name);
  rt::makePrivateFolders(folder);
  return folder;
}

void removeLeftTemporaryFiles(const App& app) {
  rt::removeStaleTemporaryFiles(app.programFolder());
  for (const std::string_view name : {kCookbookFolder, kFlavourFolder}) {
    rt::removeStaleTemporaryFiles(app.programFolder() / std::string(name));
  }
}

}  // namespace mirl
