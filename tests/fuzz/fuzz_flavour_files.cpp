// Flavour files of any content, loaded through the flavour window's own
// buttons (the open dialog answers with the file): nothing crashes, every
// field ends as its control allows (numbers normalised, a tick value of 0 to
// 2, a list index within the list), and the window saved and loaded again
// shows exactly what it showed.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "context/app.h"
#include "flavours/flavour_checks.h"
#include "flavours/flavour_files.h"
#include "flavours/frm_aromen.h"
#include "fuzz_scratch.h"
#include "runtime/number.h"
#include "shell/application.h"

namespace {

using mirl::fuzz::check;

// Every box is answered with its first button; every file dialog with the
// file of this run.
class FuzzHost : public mirl::rt::Host {
 public:
  int messageBox(const std::string&, int style, const std::string&) override {
    return mirl::rt::mb::buttons(style) == mirl::rt::mb::YesNo ? mirl::rt::mb::Yes : mirl::rt::mb::Ok;
  }
  std::string fileDialog(const mirl::rt::FileDialogRequest&) override { return answer; }
  void processEvents() override {}
  std::string answer;
};

// One program for the whole run, with its flavour window open.
struct Program {
  Program() : folder(scratch.path) {
    std::filesystem::create_directories(folder / "program");
    mirl::App::Config config;
    config.host = &host;
    config.programFolder = folder / "program";
    config.registryFile = folder / "registry";
    app = std::make_unique<mirl::Application>(config);
    app->start();
    check(app->main().userMenu(*app->main().mnu_Service_Aromenkonfiguration));
  }
  mirl::fuzz::Scratch scratch;
  std::filesystem::path folder;
  FuzzHost host;
  std::unique_ptr<mirl::App> app;
};

// The file of one input: the bytes themselves, or (to reach the keys
// quickly) lines built from them: a byte picks a section or a key of the
// flavour files (or a stray line), the bytes after it up to a byte below
// 0x20 are its value.
std::string fileOf(const std::uint8_t* data, std::size_t size, bool raw) {
  if (raw) return std::string(reinterpret_cast<const char*>(data), size);
  static const char* const kSections[] = {"_AromenListe_", "_AromenListe_1_", "_AromenListe_2_", "_AromenListe_7_",
                                          "Aromazusammensetzung", "_aromenliste_3_", "_AromenListe_8_"};
  static const char* const kKeys[] = {"Bezeichnung", "UnFuckingFassbar", "txt_Bezeichnung", "txt_Aroma", "txt_N",
                                      "txt_PG", "txt_VG", "txt_W", "txt_S", "txt_Preis", "cbo_Preis",
                                      "chk_Activate", "Dosis", "x"};
  std::string out;
  std::size_t i = 0;
  while (i < size) {
    const std::uint8_t pick = data[i++];
    if (pick % 5 == 0) {
      out += std::string("[") + kSections[pick / 5 % 7] + "]\r\n";
      continue;
    }
    out += std::string(kKeys[pick % 14]) + "=";
    while (i < size && data[i] >= 0x20) out += static_cast<char>(data[i++]);
    out += pick & 0x80 ? "\n" : "\r\n";
    if (i < size) ++i;
  }
  return out;
}

bool plainName(const std::string& s) {
  if (s.empty()) return true;
  for (char c : {s.front(), s.back()}) {
    if (c == ' ' || c == '\t' || c == '"' || c == '\'') return false;
  }
  return true;
}

// What the window shows: every text, tick value and list index.
std::vector<std::string> shown(mirl::FrmAromen& f) {
  std::vector<std::string> out;
  out.push_back(plainName(f.txt_Name->Text()) ? f.txt_Name->Text() : "");
  for (const mirl::FlavourWindowRow& r : f.row) {
    const std::string& name = r.txt_Bezeichnung->Text();
    out.push_back(plainName(name) ? name : "");
    for (mirl::rt::TextBox* t : r.composition()) out.push_back(t->Text());
    out.push_back(r.txt_Preis->Text());
    out.push_back(r.txt_Aroma_in_Basis->Text());
    out.push_back(std::to_string(r.chk_Activate->Value()));
    out.push_back(std::to_string(r.cbo_Preis->ListIndex()));
  }
  return out;
}

void checkFields(mirl::FrmAromen& f) {
  for (const mirl::FlavourWindowRow& r : f.row) {
    for (mirl::rt::TextBox* t : r.composition()) check(mirl::rt::num::parse(t->Text()).has_value());
    check(mirl::rt::num::parse(r.txt_Preis->Text()).has_value());
    check(mirl::rt::num::parse(r.txt_Aroma_in_Basis->Text()).has_value());
    check(r.chk_Activate->Value() >= 0 && r.chk_Activate->Value() <= 2);
    check(r.cbo_Preis->ListCount() == 14);
    check(r.cbo_Preis->ListIndex() >= -1 && r.cbo_Preis->ListIndex() < 14);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Program program;
  mirl::App& app = *program.app;
  mirl::FrmAromen& f = mirl::frmAromen(app);
  const std::uint8_t options = size > 0 ? data[0] : 0;
  app.main().mnu_Service_HundertProzentN->setChecked((options & 1) != 0);
  app.main().mnu_Service_MsgBox->setChecked((options & 2) != 0);

  const std::filesystem::path file = program.folder / "fuzz.MirlAromen";
  mirl::fuzz::spill(file, fileOf(size > 1 ? data + 1 : data, size > 1 ? size - 1 : 0, (options & 8) != 0));
  program.host.answer = file.string();
  mirl::frm_Aromen_btn_All_Laden_Click(app);
  checkFields(f);
  mirl::frm_Aromen_btn_Laden_Click(app, 1 + (options >> 4) % 7);
  checkFields(f);

  // Saved and loaded again (the flag now agrees with the option, so nothing
  // is converted): the window shows the same.
  const std::vector<std::string> before = shown(f);
  const std::filesystem::path copy = program.folder / "copy.MirlAromen";
  std::filesystem::remove(copy);
  check(mirl::Aromenliste_Datei_Speichern(app, copy));
  check(mirl::Aromenliste_Datei_Laden(app, copy));
  mirl::Aromen_Fenster_Aktualisieren(app);
  check(shown(f) == before);
  return 0;
}
