// Scenario texts run against an application: what passes, what fails, what
// ends a file. The main window is shown without its start-up, and a few
// controls get handlers of the test's own, so that these tests do not depend
// on the program's behaviour.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "context/app.h"
#include "scenario/runner.h"
#include "scenario/scenario_file.h"
#include "testkit/test_app.h"

namespace mirl::scenario {
namespace {

struct Outcome {
  bool passed;
  std::string out;
};

class RunScenario : public ::testing::Test {
 protected:
  RunScenario() {
    std::filesystem::create_directories(t.folder() / "tmp");
    t.main().setVisible(true);
  }

  Outcome run(std::string_view text) {
    std::ostringstream out;
    RunFolders folders{t.app().programFolder(), t.folder(), t.folder() / "tmp"};
    Runner runner(t.app(), t.host(), folders, "t.scn", out);
    bool passed = runner.run(text);
    return {passed, out.str()};
  }

  // btn_Reset asks a yes/no question and writes the answer into the status
  // bar.
  void wireQuestion() {
    t.main().btn_Reset->onClick.replace([this] {
      int a = t.app().host().messageBox("Sicher?", rt::mb::YesNo + rt::mb::Question, "Reset");
      t.main().StatusBar1->setPanelText(1, a == rt::mb::Yes ? "ja" : "nein");
    });
  }

  // btn_Berechnung runs a search of ten passes that stops when
  // Berechnung_Abbrechen is set and that only itself can be clicked during.
  void wireSearch() {
    FrmMain& f = t.main();
    f.btn_Berechnung->onClick.replace([this, &f] {
      App& a = t.app();
      if (f.busy()) {
        a.solver.Berechnung_Abbrechen = true;
        return;
      }
      a.solver.Berechnung_Abbrechen = false;
      f.setBusy(f.btn_Berechnung);
      int steps = 0;
      while (steps < 10 && !a.solver.Berechnung_Abbrechen) {
        ++steps;
        a.loop().DoEvents();
      }
      f.clearBusy();
      f.StatusBar1->setPanelText(1, std::to_string(steps));
    });
    f.btn_L->onClick.replace([this] { ++t.app().refreshCount; });
  }

  testkit::TestApp t{false};
};

TEST_F(RunScenario, PassingFilePrintsNothing) {
  Outcome o = run(
      "# design values\n"
      "\n"
      "expect frm_Main.btn_L.Caption \"< \"\n"
      "expect btn_L \"< \"\n"
      "expect chk_VPG_Basis.Value 1\n"
      "expect chk_VPG_Basis.Value true\n"
      "expect chk_PG_Basis.Value false\n"
      "expect frm_Main.Visible true\n"
      "expect frm_Main.Loaded true\n"
      "expect mnu_Service_Farben.Checked true\n"
      "expect txt_Berechnung_Zusammenstellung.BackColor &H80000005\n"
      "expect no msgbox\n");
  EXPECT_TRUE(o.passed);
  EXPECT_EQ(o.out, "");
}

TEST_F(RunScenario, FailingExpectationIsReportedAndTheFileGoesOn) {
  Outcome o = run(
      "expect btn_L \"<\"\n"
      "expect chk_VPG_Basis.Value 0\n"
      "expect global Viskositaet_PG 60\n"
      "expect txt_Live_PG.BackColor &H00FF00\n");
  EXPECT_FALSE(o.passed);
  EXPECT_EQ(o.out,
            "t.scn:1: expected frm_Main.btn_L \"<\", found \"< \"\n"
            "t.scn:2: expected frm_Main.chk_VPG_Basis.Value 0, found 1\n"
            "t.scn:3: expected Viskositaet_PG 60, found 0\n"
            "t.scn:4: expected frm_Main.txt_Live_PG.BackColor &H00FF00, found &H80000005\n");
}

TEST_F(RunScenario, ScenarioErrorEndsTheFile) {
  Outcome o = run(
      "expect btn_L \"x\"\n"
      "click btn_Nope\n"
      "expect btn_L \"y\"\n");
  EXPECT_FALSE(o.passed);
  EXPECT_EQ(o.out,
            "t.scn:1: expected frm_Main.btn_L \"x\", found \"< \"\n"
            "t.scn:2: error: unknown control frm_Main.btn_Nope\n");

  EXPECT_EQ(run("expect btn_L \"< \" extra\n").out, "t.scn:1: error: unexpected extra at the end of the line\n");
  EXPECT_EQ(run("set global Nope 1\n").out, "t.scn:1: error: unknown global Nope\n");
  EXPECT_EQ(run("call Nope\n").out, "t.scn:1: error: unknown procedure Nope\n");
  EXPECT_EQ(run("type btn_L \"x\"\n").out, "t.scn:1: error: type needs a text box: btn_L\n");
  EXPECT_EQ(run("expect ProgressBar1 \"x\"\n").out, "t.scn:1: error: frm_Main.ProgressBar1 shows no text\n");
}

TEST_F(RunScenario, UserActionsGoThroughTheFormsRules) {
  Outcome o = run(
      "type txt_Berechnung_Zusammenstellung \"Erdbeere\"\n"
      "expect focus txt_Berechnung_Zusammenstellung\n"
      "expect txt_Berechnung_Zusammenstellung \"Erdbeere\"\n"
      "expect txt_Berechnung_Zusammenstellung.SelStart 8\n"
      "leave\n"
      "expect focus btn_L\n");
  EXPECT_FALSE(o.passed);
  EXPECT_EQ(o.out, "t.scn:6: expected focus on frm_Main.btn_L, found no control with the focus\n");

  // A disabled control or window takes nothing; that is no error.
  t.main().btn_L->setEnabled(false);
  int clicks = 0;
  t.main().btn_L->onClick.replace([&] { ++clicks; });
  t.main().btn_R->onClick.replace([&] { ++clicks; });
  EXPECT_TRUE(run("click btn_L\nset frm_Main.Enabled false\nclick btn_R\n").passed);
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(run("set frm_Main.Enabled true\nclick btn_R\nexpect focus btn_R\n").passed);
  EXPECT_EQ(clicks, 1);
}

TEST_F(RunScenario, SetWritesAsCodeDoes) {
  int clicks = 0;
  t.main().chk_AllAromaProzent->onClick.replace([&] { ++clicks; });
  Outcome o = run(
      "set btn_L \"<<\"\n"
      "expect btn_L.Caption \"<<\"\n"
      "set status \"Hallo\"\n"
      "expect status \"Hallo\"\n"
      "set chk_AllAromaProzent.Value 1\n"
      "set chk_AllAromaProzent.Value 1\n"
      "set txt_Live_PG.BackColor &H00FFFF\n"
      "expect txt_Live_PG.BackColor 65535\n"
      "set global Vorschlag_Index 3\n"
      "expect global Vorschlag_Index 3\n"
      "set global Vorschlaege_Vorhanden true\n"
      "expect global Vorschlaege_Vorhanden true\n"
      "expect global Aromen_Tabelle(7).S 0\n"
      "expect global Vorschlagsliste(77).15 0\n"
      "set global dpA_Name \"Satz\"\n"
      "expect global dpA_Name \"Satz\"\n"
      "move frm_Main -300 450\n"
      "expect frm_Main.Left -300\n"
      "maximize frm_Main\n"
      "expect frm_Main.WindowState 2\n");
  EXPECT_TRUE(o.passed) << o.out;
  EXPECT_EQ(clicks, 1);  // Click only when the value changes
  EXPECT_EQ(run("set chk_AllAromaProzent.Value \"x\"\n").out,
            "t.scn:1: error: cannot set frm_Main.chk_AllAromaProzent.Value to \"x\"\n");
  EXPECT_EQ(run("expect global Aromen_Tabelle(8).A 0\n").out, "t.scn:1: error: unknown global Aromen_Tabelle(8).A\n");
}

TEST_F(RunScenario, MessageBoxesMustBeAnsweredAndChecked) {
  wireQuestion();
  Outcome o = run(
      "answer msgbox no\n"
      "click btn_Reset\n"
      "expect msgbox \"Sicher?\" title \"Reset\" style 36\n"
      "expect status \"nein\"\n"
      "expect no msgbox\n");
  EXPECT_TRUE(o.passed) << o.out;

  // Unchecked: fails after the last line, at the line that showed it.
  o = run("answer msgbox yes\nclick btn_Reset\nexpect status \"ja\"\n");
  EXPECT_FALSE(o.passed);
  EXPECT_EQ(o.out, "t.scn:2: expected every msgbox checked, found unchecked msgbox \"Sicher?\" title \"Reset\" style 36\n");

  // Unanswered: fails at once and gets the default button.
  o = run("click btn_Reset\nexpect msgbox \"Sicher?\"\nexpect status \"ja\"\n");
  EXPECT_FALSE(o.passed);
  EXPECT_EQ(o.out,
            "t.scn:1: expected an answer for msgbox \"Sicher?\" title \"Reset\" style 36, found none (answered with "
            "its default button)\n");

  // An answer that is none of the box's buttons.
  o = run("answer msgbox ok\nclick btn_Reset\nexpect msgbox \"Sicher?\"\n");
  EXPECT_FALSE(o.passed);
  EXPECT_NE(o.out.find("t.scn:2: expected a box with the queued answer's button"), std::string::npos);

  o = run("answer msgbox no\nclick btn_Reset\nexpect msgbox \"Nein?\"\nexpect no msgbox\n");
  EXPECT_EQ(o.out, "t.scn:3: expected msgbox \"Nein?\", found msgbox \"Sicher?\" title \"Reset\" style 36\n");
}

TEST_F(RunScenario, FileDialogsAreAnsweredFromTheQueue) {
  std::string chosen;
  t.main().mnu_Datei_Oeffnen->onClick.replace([&] {
    rt::FileDialogRequest r;
    r.title = "\xC3\x96" "ffnen";
    r.filters = {{"Unterst\xC3\xBCtztes Format (*.ini)", "*.ini;"}};
    r.startPath = (t.app().programFolder() / "Kochbuch").string();
    chosen = t.app().host().fileDialog(r);
  });
  Outcome o = run(
      "answer open \"$TMP/a.ini\"\n"
      "menu mnu_Datei_Oeffnen\n"
      "expect dialog open title \"\xC3\x96" "ffnen\" filter \"Unterst\xC3\xBCtztes Format (*.ini)|*.ini;\" start "
      "\"$PROGRAM/Kochbuch\"\n");
  EXPECT_TRUE(o.passed) << o.out;
  EXPECT_EQ(chosen, (t.folder() / "tmp" / "a.ini").string());

  o = run("menu mnu_Datei_Oeffnen\n");
  EXPECT_FALSE(o.passed);
  EXPECT_NE(o.out.find("t.scn:1: expected an answer for the dialog open"), std::string::npos);
  EXPECT_EQ(chosen, "");

  o = run("answer save \"$TMP/b.ini\"\nmenu mnu_Datei_Oeffnen\n");
  EXPECT_EQ(o.out, "t.scn:2: expected save dialog for the queued answer, found open dialog\n");
}

TEST_F(RunScenario, AtYieldRunsInsideTheSearch) {
  wireSearch();
  Outcome o = run(
      "at yield 3: click btn_Berechnung\n"
      "at yield 2: click btn_L\n"
      "click btn_Berechnung\n"
      "expect status \"3\"\n"
      "expect yields 3\n"
      "expect focus btn_Berechnung\n"
      "click btn_L\n"
      "expect yields 3\n"
      "expect refreshes 1\n"
      "expect refreshes 0\n");
  EXPECT_TRUE(o.passed) << o.out;

  // Several lines for one pass run in file order; a pass never reached fails.
  o = run(
      "at yield 4: set global Berechnung_Abbrechen true\n"
      "at yield 4: set status \"x\"\n"
      "at yield 9: set status \"y\"\n"
      "click btn_Berechnung\n"
      "expect yields 4\n");
  EXPECT_FALSE(o.passed);
  EXPECT_EQ(o.out, "t.scn:3: expected pass 9 of the message loop, found only 4 passes\n");

  o = run("at yield 2: click btn_Nope\nclick btn_Berechnung\nexpect status \"x\"\n");
  EXPECT_EQ(o.out, "t.scn:1: error: unknown control frm_Main.btn_Nope\n");

  o = run("at yield 2: click btn_L\n");
  EXPECT_EQ(o.out, "t.scn:1: expected pass 2 of the message loop, found no long operation after it\n");
}

TEST_F(RunScenario, FilesRegistryAndIniFiles) {
  Outcome o = run(
      "file \"$TMP/sub/a.ini\" bytes \"[Global]\\r\\nName = \\\"x y\\\" \\r\\nE=\\xE4\\r\\n\"\n"
      "expect file \"$TMP/sub/a.ini\" exists\n"
      "expect file \"$TMP/sub/b.ini\" missing\n"
      "expect file \"$TMP/sub/a.ini\" bytes \"[Global]\\r\\nName = \\\"x y\\\" \\r\\nE=\\xE4\\r\\n\"\n"
      "expect ini \"$TMP/sub/a.ini\" \"global\" \"name\" \"x y\"\n"
      "expect ini \"$TMP/sub/a.ini\" \"Global\" \"E\" \"\xC3\xA4\"\n"
      "expect ini \"$TMP/sub/a.ini\" \"Global\" \"Other\" missing\n"
      "file \"$PROGRAM/LastSession.ini\" from \"$TMP/sub/a.ini\"\n"
      "expect file \"$PROGRAM/LastSession.ini\" exists\n"
      "expect registry \"\\Size\" missing\n"
      "registry key \"\\Size\"\n"
      "expect registry \"\\Size\" exists\n"
      "registry \"\\Size\" \"Left\" dword -1200\n"
      "registry \"\\Data\" \"ImportFilePath\" sz \"$TMP/a.ini\"\n"
      "registry \"\\Data\" \"Raw\" binary \"0102\"\n"
      "expect registry \"\\Size\" \"Left\" dword -1200\n"
      "expect registry \"\\Size\" \"Top\" missing\n"
      "expect registry \"\\Data\" \"ImportFilePath\" sz \"$TMP/a.ini\"\n");
  EXPECT_TRUE(o.passed) << o.out;
  auto key = t.app().registry().keyClass("Software\\Quillfen\\MirlFumarix\\Size");
  EXPECT_EQ(key, "Anwendungsdaten");
  auto raw = t.app().registry().readValue("Software\\Quillfen\\MirlFumarix\\Data", "Raw");
  ASSERT_TRUE(raw.has_value());
  EXPECT_EQ(raw->type, rt::RegValue::Binary);
  EXPECT_EQ(raw->bytes, (std::vector<std::uint8_t>{1, 2}));

  o = run(
      "expect ini \"$TMP/sub/a.ini\" \"Global\" \"Name\" missing\n"
      "expect registry \"\\Size\" \"Left\" sz \"-1200\"\n"
      "expect file \"$TMP/sub/a.ini\" missing\n");
  EXPECT_EQ(o.out,
            "t.scn:1: expected [Global] Name in a.ini missing, found \"x y\"\n"
            "t.scn:2: expected registry \"\\\\Size\" \"Left\" sz \"-1200\", found dword -1200\n"
            "t.scn:3: expected no file \"" + (t.folder() / "tmp" / "sub" / "a.ini").string() + "\", found one\n");
  EXPECT_EQ(run("file \"$TMP/c\" from \"$TMP/none\"\n").out,
            "t.scn:1: error: no file " + (t.folder() / "tmp" / "none").string() + "\n");
}

TEST(RunScenarioFile, FreshProgramPerFileAndStartCountsRefreshes) {
  testkit::TempDir dir;
  std::filesystem::path file = dir.path() / "a.scn";
  std::ofstream(file) << "expect file \"$PROGRAM/LastSession.ini\" missing\n"
                         "expect registry \"\\Size\" missing\n"
                         "expect frm_Main.Visible false\n"
                         "start\n"
                         "expect frm_Main.Visible true\n"
                         "expect global Viskositaet_VG 1480\n"
                         "start\n";
  std::ostringstream out;
  EXPECT_FALSE(runScenarioFile(file, out));
  EXPECT_EQ(out.str(), file.string() + ":7: error: the program is started already\n");

  std::ostringstream missing;
  EXPECT_FALSE(runScenarioFile(dir.path() / "none.scn", missing));
  EXPECT_EQ(missing.str(), (dir.path() / "none.scn").string() + ":0: error: cannot read the file\n");
}

}  // namespace
}  // namespace mirl::scenario
