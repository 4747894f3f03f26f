#pragma once
// The open and save dialogs. A filter text is pairs of description and
// pattern joined by "|", e.g. "Unterstütztes Format (*.ini)|*.ini;".
#include <string>
#include <string_view>

namespace mirl {
class App;

// The filter as a list of NUL-terminated parts: every "|" becomes a NUL
// and one NUL ends the text ("" gives a single NUL).
std::string Filter_Umwandeln(std::string_view filter);

// Asks for an existing file to read, starting at startPath (a folder or the
// last file chosen). The full path, or "" when the user cancels.
std::string Dialog_Oeffnen(App& app, std::string_view filter, std::string_view startPath);

// Asks for a file to write. The name given is proposed as far as it can name
// a file: up to its first NUL, without control characters, cut to 255 bytes
// on a character boundary, and nothing when only dots or nothing remain. A
// name chosen without an extension of its own (rt::hasOwnExtension) gets the
// default extension (given without its dot), whatever the host did, and the
// dialog asks before an existing file under the completed name is
// overwritten. The full path, or "" when the user cancels.
std::string Dialog_Speichern(App& app, std::string_view filter, std::string_view defaultExtension,
                             std::string_view startPath, std::string_view proposedName);

}  // namespace mirl
