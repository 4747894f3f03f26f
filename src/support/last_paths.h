#pragma once
// The last file chosen for each purpose, kept under the main window's "Data"
// key, and where a file dialog starts from it.
#include <string>
#include <string_view>

namespace mirl {
class App;

// The stored path of the value, without blanks around it; when there is none
// (missing, not a text, blank) the folder of that name in the program's
// folder. That folder is made when missing, whichever path is given.
std::string dialogStartPath(App& app, std::string_view valueName, std::string_view defaultFolder);

// Stores the path chosen; lost without a word while the "Data" key is
// missing.
void rememberPath(App& app, std::string_view valueName, const std::string& path);

}  // namespace mirl
