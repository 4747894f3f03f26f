// What the scenarios cannot hold: the whole session file of a designed
// window byte for byte (every key's section, name, place and value form),
// lines of a megabyte, files of 16 MiB, and files of an age.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "context/app.h"
#include "flavours/flavour_files.h"
#include "flavours/frm_aromen.h"
#include "runtime/ini_file.h"
#include "shell/file_menu.h"
#include "shell/session.h"
#include "testkit/test_app.h"

namespace mirl {
namespace {

using testkit::bytesOf;

// The designed window saved gives the design session exactly: the keys in
// the order of the tables, each section once, every value in its form.
TEST(SessionFile, DesignedWindowIsSavedKeyForKeyInOrder) {
  testkit::TestApp t;
  const auto copy = t.folder() / "copy.ini";
  ASSERT_TRUE(Session_Speichern(t.app(), copy));
  EXPECT_EQ(bytesOf(copy), bytesOf(testkit::designSession()));
}

// Lines of a megabyte and values of every length: a text is cut to 1023
// characters, and what is loaded saves and loads again to the same file.
TEST(SessionFile, MegabyteLinesLoadAndSaveStably) {
  testkit::TestApp t;
  const auto file = t.folder() / "lang.ini";
  {
    std::ofstream out(file, std::ios::binary);
    out << "[Berechnung]\r\nBerechnung_Zusammenstellung=" << std::string(1 << 20, 'x') << "\r\n"
        << std::string(1 << 20, '[') << "\r\n[Aromenzusammensetzungen]\r\ndpA1_A=" << std::string(1 << 20, '7')
        << "\r\ndpA2_A=0," << std::string(1 << 20, '3') << "\r\n";
  }
  Session_Laden(t.app(), file);
  EXPECT_EQ(t.main().txt_Berechnung_Zusammenstellung->Text(), std::string(1023, 'x'));
  // 1023 sevens are too large for a number: the field keeps its 100; 1021
  // threes after "0," are a third.
  EXPECT_EQ(t.app().flavours.Aromen_Tabelle[1].A, 100);
  EXPECT_EQ(t.app().flavours.Aromen_Tabelle[2].A, 1.0 / 3);

  const auto first = t.folder() / "first.ini";
  const auto second = t.folder() / "second.ini";
  ASSERT_TRUE(Session_Speichern(t.app(), first));
  Session_Laden(t.app(), first);
  ASSERT_TRUE(Session_Speichern(t.app(), second));
  EXPECT_EQ(bytesOf(first), bytesOf(second));
}

// A file of more than 16 MiB is not read: at start-up a first start, kept
// beside under a free name when the exit saves; as an import or a flavour
// list refused as unreadable. A file of exactly 16 MiB is read.
TEST(SessionFile, FilesAbove16MebibytesAreNotRead) {
  namespace fs = std::filesystem;
  const std::string head = "[Berechnung]\r\nBerechnung_Menge=250\r\n";
  testkit::TestApp t(false, false);
  const fs::path session = sessionFile(t.app());
  std::ofstream(session, std::ios::binary) << head;
  fs::resize_file(session, rt::ini::kMaxFileBytes + 1);
  // What is already at the names stays: an earlier copy, a folder.
  const fs::path earlier = session.string() + ".damaged";
  std::ofstream(earlier) << "earlier";
  fs::create_directory(session.string() + ".damaged-2");
  t.app().start();
  EXPECT_EQ(t.main().txt_Berechnung_Menge->Text(), "77");
  EXPECT_EQ(t.main().basis[VPG_Basis].txt_Wasser_Prozent->Text(), "100");
  EXPECT_EQ(t.app().flavours.Aromen_Tabelle[1].A, 100);
  t.restart();
  const fs::path large = session.string() + ".damaged-3";
  EXPECT_EQ(fs::file_size(large), rt::ini::kMaxFileBytes + 1);
  EXPECT_EQ(bytesOf(earlier), "earlier");
  EXPECT_EQ(rt::ini::read(session, "Berechnung", "Berechnung_Menge", ""), "77");
  EXPECT_EQ(t.main().txt_Berechnung_Menge->Text(), "77");

  frmAromen(t.app()).txt_Name->setText("Sommer");
  for (void (*load)(App&) : {frm_Main_mnu_Datei_Oeffnen_Click, frm_Aromen_btn_All_Laden_Click}) {
    t.host().queueDialogAnswer(large.string());
    t.host().queueMessageBoxAnswer(rt::mb::Ok);
    load(t.app());
  }
  ASSERT_EQ(t.host().boxes.size(), 2u);
  for (const auto& box : t.host().boxes) EXPECT_EQ(box.prompt, "Die Datei konnte nicht gelesen werden.");
  EXPECT_EQ(t.main().txt_Berechnung_Menge->Text(), "77");
  EXPECT_EQ(frmAromen(t.app()).txt_Name->Text(), "Sommer");

  const fs::path exact = t.folder() / "exact.ini";
  std::ofstream(exact, std::ios::binary) << head << std::string(rt::ini::kMaxFileBytes - head.size(), '\n');
  t.host().queueDialogAnswer(exact.string());
  frm_Main_mnu_Datei_Oeffnen_Click(t.app());
  EXPECT_EQ(t.main().txt_Berechnung_Menge->Text(), "250");
}

// The start-up removes the temporary files that killed saves left in the
// program's folder, "Kochbuch" and "Aromen", when older than a minute. Fresh
// ones stay, also of a process gone here (another instance, in another PID
// namespace, may be writing them), and so does a file that is none.
TEST(ProgramFolders, TheStartUpRemovesStaleTemporaryFilesInEachFolder) {
  namespace fs = std::filesystem;
  testkit::TestApp t(false, false);
  const fs::path program = t.app().programFolder();
  const std::vector<std::pair<fs::path, bool>> files = {  // and whether it is stale
      {program / ".Export.ini.tmp-99999999-5", true},
      {program / "Kochbuch" / ".Beeren Mix1.tmp-99999999-17", true},
      {program / "Aromen" / ".minze.tmp-99999999-3", true},
      {program / ".Export.ini.tmp-99999999-6", false},
      {program / "Kochbuch" / ".Beeren Mix1.tmp-99999999-18", false},
      {program / "Aromen" / ".minze.tmp-99999999-4", false},
      {program / "Kochbuch" / ".Beeren Mix1.tmp-1-18", false},
      {program / "Kochbuch" / "Beeren Mix1.tmp-99999999-17", false},
  };
  for (const auto& [file, stale] : files) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "half";
    if (stale) fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::minutes(2));
  }
  t.app().start();
  for (const auto& [file, stale] : files) EXPECT_EQ(fs::exists(file), !stale) << file;
}

}  // namespace
}  // namespace mirl
