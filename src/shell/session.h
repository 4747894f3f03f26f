#pragma once
// The session file: every input of the main window but the live panel's
// reference quantity, the mode, the options, the language and the
// flavour-composition table, kept in an initialisation file. The program
// loads "LastSession.ini" of its folder at start-up and saves it at
// shut-down; the file menu imports and exports the same format.
#include <filesystem>

#include "runtime/ini_file.h"

namespace mirl {
class App;

// "LastSession.ini" in the program's folder.
std::filesystem::path sessionFile(const App& app);

// Writes the 164 keys into the file, merging them into a file that is there
// (its other sections and keys stay). False when the file could not be
// written; it is then left as it was.
bool Session_Speichern(App& app, const std::filesystem::path& file);

// Reads every key of the file read (once, by rt::ini::load), a missing one
// as its default, and gives it to its control or table field; the controls
// react as they do to the user. A file that could not be read (missing,
// unreadable, too large) counts as none: every key takes its default but
// the flavour table keeps the values it holds. Runs no master refresh of
// its own: the caller does.
void Session_Laden(App& app, const rt::ini::Loaded& file);
void Session_Laden(App& app, const std::filesystem::path& file);

// Whether the file holds at least one of the session file's sections.
bool holdsSession(App& app, const rt::ini::Document& file);

// A session file found too large to read at start-up is moved aside, to the
// first free name among "LastSession.ini.damaged", "LastSession.ini.damaged-2",
// ..., before the session is saved over it. When it cannot be moved,
// standard error says so (it stays, and saving over it fails).
void keepDamagedSessionFile(App& app);

}  // namespace mirl
