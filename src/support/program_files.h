#pragma once
// The folders of the program's folder: "Kochbuch", where the session
// dialogs start, and "Aromen", where the flavour-file dialogs start; each is
// made the first time one of its dialogs opens.
#include <filesystem>
#include <string_view>

namespace mirl {
class App;

inline constexpr std::string_view kCookbookFolder = "Kochbuch";
inline constexpr std::string_view kFlavourFolder = "Aromen";

// The folder of that name in the program's folder, made when missing (for
// the user alone, mode 0700).
std::filesystem::path programSubfolder(const App& app, std::string_view name);

// At start-up: removes what saves killed half-way left behind in the
// program's folder and its two folders (see rt::removeStaleTemporaryFiles).
void removeLeftTemporaryFiles(const App& app);

}  // namespace mirl
