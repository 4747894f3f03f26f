#pragma once
// Flavour files: the single-flavour file (one row: name, composition, price
// and its quantity) and the flavour-list file (the set's name and all seven
// rows with their tick boxes and dosages), both initialisation files. Each
// records whether the nicotine counted into the 100 % when it was saved; a
// file loaded while the option stands the other way is converted at once.
#include <filesystem>

namespace mirl {
class App;

// Writers: every key of the file in one change; false when the file could
// not be written (it is then as it was), also when it would grow larger
// than 16 MiB, which no reader reads.
bool Aroma_Datei_Speichern(App& app, const std::filesystem::path& file, int k);
bool Aromenliste_Datei_Speichern(App& app, const std::filesystem::path& file);
// Readers: each key into its field at once, missing keys as their read
// defaults. False, with nothing changed, when the file cannot be read
// (also one larger than 16 MiB).
bool Aroma_Datei_Laden(App& app, const std::filesystem::path& file, int k);
bool Aromenliste_Datei_Laden(App& app, const std::filesystem::path& file);
void Aromenliste_HundertProzentN_Rueckrechnen(App& app);

// The buttons: the dialog, the last path, the file, and after loading the
// refresh and the conversion.
void frm_Aromen_btn_Speichern_Click(App& app, int index);
void frm_Aromen_btn_Laden_Click(App& app, int index);
void frm_Aromen_btn_All_Speichern_Click(App& app);
void frm_Aromen_btn_All_Laden_Click(App& app);

}  // namespace mirl
