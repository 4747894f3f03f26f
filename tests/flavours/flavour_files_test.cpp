// Flavour files that cannot be read or written, where the dialog does not
// stand in between: nothing in the window changes, and a file that cannot be
// replaced keeps every byte.
#include "flavours/flavour_files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "flavours/frm_aromen.h"
#include "testkit/test_app.h"

namespace mirl {
namespace {

using testkit::bytesOf;

TEST(FlavourFiles, UnreadableFilesChangeNothingAndFailedSavesKeepTheOldFile) {
  testkit::TestApp t;
  FrmAromen& f = frmAromen(t.app());
  f.row[3].txt_Bezeichnung->setText("Kirsche");
  f.txt_Name->setText("Obst");
  for (const auto& unreadable : {t.folder() / "fehlt.MirlAroma", t.folder()}) {
    EXPECT_FALSE(Aroma_Datei_Laden(t.app(), unreadable, 3));
    EXPECT_FALSE(Aromenliste_Datei_Laden(t.app(), unreadable));
  }
  EXPECT_EQ(f.row[3].txt_Bezeichnung->Text(), "Kirsche");
  EXPECT_EQ(f.txt_Name->Text(), "Obst");

  // A read-only list: the save is reported and the file stays as it was.
  const auto file = t.folder() / "alt.MirlAromen";
  const std::string old = "[_AromenListe_]\r\nBezeichnung=Alt\r\n";
  std::ofstream(file, std::ios::binary) << old;
  std::filesystem::permissions(file, std::filesystem::perms::owner_read);
  t.host().queueDialogAnswer(file.string());
  t.host().queueMessageBoxAnswer(rt::mb::Ok);
  frm_Aromen_btn_All_Speichern_Click(t.app());
  ASSERT_EQ(t.host().boxes.size(), 1u);
  EXPECT_EQ(t.host().boxes[0].prompt, "Die Datei konnte nicht gespeichert werden.");
  EXPECT_EQ(t.host().boxes[0].style, rt::mb::Exclamation);
  EXPECT_EQ(bytesOf(file), old);
  EXPECT_TRUE(Aromenliste_Datei_Laden(t.app(), file));
  EXPECT_EQ(f.txt_Name->Text(), "Alt");
}

}  // namespace
}  // namespace mirl
