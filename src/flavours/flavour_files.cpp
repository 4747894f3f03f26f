#include "flavours/flavour_files.h"

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "context/app.h"
#include "conversions/nicotine_flavours.h"
#include "flavours/flavour_checks.h"
#include "flavours/flavour_exchange.h"
#include "flavours/frm_aromen.h"
#include "model/main_inputs.h"
#include "model/quantity_lists.h"
#include "model/validators.h"
#include "runtime/ini_file.h"
#include "runtime/host.h"
#include "runtime/number.h"
#include "support/dialogs.h"
#include "support/file_name.h"
#include "support/ini_access.h"
#include "support/last_paths.h"
#include "support/notice.h"
#include "support/program_files.h"
#include "support/registry_layout.h"

namespace mirl {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSingleSection = "Aromazusammensetzung";
constexpr std::string_view kListHead = "_AromenListe_";
constexpr std::string_view kListNameKey = "Bezeichnung";
constexpr std::string_view kListNameDefault = ".......";
constexpr std::string_view kFlagKey = "UnFuckingFassbar";
constexpr std::string_view kFlagDefault = "0";

// What a key of a row holds.
enum class Field { Text, Price, PriceList, Tick, Flag };

struct FileKey {
  std::string_view key;
  std::string_view readDefault;
  Field field;
  rt::TextBox* FlavourWindowRow::*text = nullptr;  // for Field::Text and Field::Price
};

constexpr FileKey kName{"txt_Bezeichnung", "", Field::Text, &FlavourWindowRow::txt_Bezeichnung};
constexpr FileKey kFlag{kFlagKey, kFlagDefault, Field::Flag};
constexpr FileKey kA{"txt_Aroma", "0", Field::Text, &FlavourWindowRow::txt_Aroma};
constexpr FileKey kN{"txt_N", "0", Field::Text, &FlavourWindowRow::txt_N};
constexpr FileKey kPG{"txt_PG", "0", Field::Text, &FlavourWindowRow::txt_PG};
constexpr FileKey kVG{"txt_VG", "0", Field::Text, &FlavourWindowRow::txt_VG};
constexpr FileKey kW{"txt_W", "0", Field::Text, &FlavourWindowRow::txt_W};
constexpr FileKey kS{"txt_S", "0", Field::Text, &FlavourWindowRow::txt_S};
constexpr FileKey kPrice{"txt_Preis", "0", Field::Price, &FlavourWindowRow::txt_Preis};
constexpr FileKey kPriceList{"cbo_Preis", quantityPositionText(kQuantity5ml), Field::PriceList};
constexpr FileKey kTick{"chk_Activate", "0", Field::Tick};
constexpr FileKey kDose{"Dosis", "0", Field::Text, &FlavourWindowRow::txt_Aroma_in_Basis};

// The keys in the order they are written and read.
constexpr std::array kSingleFileKeys = {kName, kFlag, kA, kN, kPG, kVG, kW, kS, kPrice, kPriceList};
constexpr std::array kListRowKeys = {kName, kA, kN, kPG, kVG, kW, kS, kPrice, kPriceList, kTick, kDose};

// The two file kinds: dialog filter, the extension a name chosen to save
// gets, and the registry values of their last paths.
struct FileKind {
  std::string_view filter;
  std::string_view extension;
  std::string_view importPath;
  std::string_view exportPath;
};
constexpr FileKind kSingleFile{"MirlAromazusammenstellungs-Datei (*.MirlAroma)|*.MirlAroma;", "MirlAroma",
                               reg::kFlavourImportPath, reg::kFlavourExportPath};
constexpr FileKind kListFile{"MirlAromazusammenstellungs-Datei (*.MirlAromen)|*.MirlAromen;", "MirlAromen",
                             reg::kFlavourListImportPath, reg::kFlavourListExportPath};

std::string rowSection(int k) { return std::string(kListHead) + std::to_string(k) + "_"; }

std::string flagText(const FrmMain& f) { return f.nicotineInside() ? "-1" : "0"; }

// A flag that is no truth value counts as not set.
bool flagValue(std::string_view text) { return rt::num::toBool(text).value_or(false); }

std::string written(App& app, const FlavourWindowRow& r, const FileKey& key) {
  switch (key.field) {
    case Field::Text:
    case Field::Price:
      return (r.*key.text)->Text();
    case Field::PriceList:
      return std::to_string(r.cbo_Preis->ListIndex());
    case Field::Tick:
      return std::to_string(r.chk_Activate->Value());
    case Field::Flag:
      return flagText(app.main());
  }
  return {};
}

// Puts a value read into its field (the flag into *flag). A list index or
// tick value that is no whole number, or that the control does not take,
// leaves the control as it was; setting a tick box that changes runs its
// Click.
void readInto(FlavourWindowRow& r, const FileKey& key, const std::string& value, bool* flag) {
  switch (key.field) {
    case Field::Text:
      (r.*key.text)->setText(value);
      return;
    case Field::Price:
      // Read as a price typed into the field.
      (r.*key.text)->setText(value);
      checkFlavourPrice(*(r.*key.text));
      return;
    case Field::PriceList:
      setInputText(*r.cbo_Preis, value);
      return;
    case Field::Tick:
      setInputText(*r.chk_Activate, value);
      return;
    case Field::Flag:
      if (flag) *flag = flagValue(value);
      return;
  }
}

// The keys of one save, written as one change of the file.
class KeyWriter {
 public:
  void add(std::string section, std::string_view key, std::string value) {
    const std::string& s = texts_.emplace_back(std::move(section));
    const std::string& v = texts_.emplace_back(std::move(value));
    entries_.push_back({s, key, v});
  }
  bool writeTo(const fs::path& file) const { return writeIniKeys(file, entries_); }

 private:
  std::deque<std::string> texts_;  // stable addresses for the entries
  std::vector<rt::ini::Entry> entries_;
};

void saveWithDialog(App& app, const FileKind& kind, std::string_view name,
                    const std::function<bool(const fs::path&)>& write) {
  const std::string start = dialogStartPath(app, kind.exportPath, kFlavourFolder);
  const std::string path = Dialog_Speichern(app, kind.filter, kind.extension, start, proposedSaveName(name));
  if (path.empty()) return;
  rememberPath(app, kind.exportPath, path);
  if (!write(path)) {
    reportSaveFailure(app);
  }
}

// The open dialog, the last path and the file read into the window, then
// the window's refresh. False when nothing was loaded.
bool loadWithDialog(App& app, const FileKind& kind, const std::function<bool(const fs::path&)>& read) {
  const std::string start = dialogStartPath(app, kind.importPath, kFlavourFolder);
  const std::string path = Dialog_Oeffnen(app, kind.filter, start);
  if (path.empty()) return false;
  if (!read(path)) {
    reportReadFailure(app);
    return false;
  }
  rememberPath(app, kind.importPath, path);
  Aromen_Fenster_Aktualisieren(app);
  return true;
}

// A file saved under the other setting of the nicotine option: its
// compositions go through the table, are converted there and come back.
void convertLoaded(App& app, bool savedWithNicotine, const std::function<void()>& into,
                   const std::function<void()>& outOf) {
  const bool nicotineNow = app.main().nicotineInside();
  if (savedWithNicotine == nicotineNow) return;
  Aromen_Fenster_In_Tabelle(app);
  if (nicotineNow) {
    into();
  } else {
    outOf();
  }
  Aromen_Tabelle_In_Fenster(app);
  Aromen_Fenster_Aktualisieren(app);
}

}  // namespace

bool Aroma_Datei_Speichern(App& app, const fs::path& file, int k) {
  const FlavourWindowRow& r = frmAromen(app).row[k];
  KeyWriter w;
  for (const FileKey& key : kSingleFileKeys) w.add(std::string(kSingleSection), key.key, written(app, r, key));
  return w.writeTo(file);
}

bool Aromenliste_Datei_Speichern(App& app, const fs::path& file) {
  FrmAromen& f = frmAromen(app);
  KeyWriter w;
  w.add(std::string(kListHead), kListNameKey, f.txt_Name->Text());
  w.add(std::string(kListHead), kFlagKey, flagText(app.main()));
  for (int k : kFlavourRowNumbers) {
    for (const FileKey& key : kListRowKeys) w.add(rowSection(k), key.key, written(app, f.row[k], key));
  }
  return w.writeTo(file);
}

bool Aroma_Datei_Laden(App& app, const fs::path& path, int k) {
  const rt::ini::Loaded loaded = rt::ini::load(path);
  if (loaded.found != rt::ini::Found::Text) return false;
  const rt::ini::Document& file = loaded.document;
  FrmAromen& f = frmAromen(app);
  for (const FileKey& key : kSingleFileKeys) {
    readInto(f.row[k], key, file.read(kSingleSection, key.key, key.readDefault), &f.Aroma_Mit_HundertProzentN);
  }
  return true;
}

bool Aromenliste_Datei_Laden(App& app, const fs::path& path) {
  const rt::ini::Loaded loaded = rt::ini::load(path);
  if (loaded.found != rt::ini::Found::Text) return false;
  const rt::ini::Document& file = loaded.document;
  FrmAromen& f = frmAromen(app);
  f.txt_Name->setText(file.read(kListHead, kListNameKey, kListNameDefault));
  f.Aromenliste_Mit_HundertProzentN = flagValue(file.read(kListHead, kFlagKey, kFlagDefault));
  for (int k : kFlavourRowNumbers) {
    const std::string section = rowSection(k);
    for (const FileKey& key : kListRowKeys) {
      readInto(f.row[k], key, file.read(section, key.key, key.readDefault), nullptr);
    }
  }
  return true;
}

void Aromenliste_HundertProzentN_Rueckrechnen(App& app) { Alle_Aromen_HundertProzentN_Rueckrechnen(app); }

void frm_Aromen_btn_Speichern_Click(App& app, int index) {
  if (!FlavourRows<int>::valid(index)) return;
  saveWithDialog(app, kSingleFile, frmAromen(app).row[index].txt_Bezeichnung->Text(),
                 [&](const fs::path& file) { return Aroma_Datei_Speichern(app, file, index); });
}

void frm_Aromen_btn_All_Speichern_Click(App& app) {
  saveWithDialog(app, kListFile, frmAromen(app).txt_Name->Text(),
                 [&](const fs::path& file) { return Aromenliste_Datei_Speichern(app, file); });
}

void frm_Aromen_btn_Laden_Click(App& app, int index) {
  if (!FlavourRows<int>::valid(index)) return;
  if (!loadWithDialog(app, kSingleFile, [&](const fs::path& file) { return Aroma_Datei_Laden(app, file, index); })) {
    return;
  }
  convertLoaded(
      app, frmAromen(app).Aroma_Mit_HundertProzentN, [&] { Aroma_Nr_HundertProzentN_Umrechnen(app, index); },
      [&] { Aroma_Nr_HundertProzentN_Rueckrechnen(app, index); });
}

void frm_Aromen_btn_All_Laden_Click(App& app) {
  if (!loadWithDialog(app, kListFile, [&](const fs::path& file) { return Aromenliste_Datei_Laden(app, file); })) {
    return;
  }
  convertLoaded(
      app, frmAromen(app).Aromenliste_Mit_HundertProzentN, [&] { Alle_Aromen_HundertProzentN_Umrechnen(app); },
      [&] { Aromenliste_HundertProzentN_Rueckrechnen(app); });
}

}  // namespace mirl
