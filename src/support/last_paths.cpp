#include "support/last_paths.h"

#include "context/app.h"
#include "runtime/text.h"
#include "support/program_files.h"
#include "support/registry_access.h"
#include "support/registry_layout.h"

namespace mirl {

std::string dialogStartPath(App& app, std::string_view valueName, std::string_view defaultFolder) {
  const std::filesystem::path folder = programSubfolder(app, defaultFolder);
  RegistryVariant v;
  std::string start;
  if (Registry_Wert_Lesen(app, HKEY_CURRENT_USER, reg::kMainData, valueName, v)) {
    if (const auto* text = std::get_if<std::string>(&v)) start = std::string(rt::trimSpaces(*text));
  }
  if (start.empty()) start = folder.string();
  return start;
}

void rememberPath(App& app, std::string_view valueName, const std::string& path) {
  Registry_Wert_Schreiben(app, HKEY_CURRENT_USER, reg::kMainData, valueName, path);
}

}  // namespace mirl
