#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "shell/language_menu.h"
#include "support/language.h"
#include "support/message_table.h"
#include "support/status_line.h"
#include "testkit/test_app.h"

namespace mirl {
namespace {

constexpr std::string_view kGermanConfirmation =
    "Deutsche Sprache wurde aktiviert --- Viel Spa\xC3\x9F und viel Erfolg --- Quillfen";
constexpr std::string_view kEnglishConfirmation = "English language is now enabled --- May you do well! --- Quillfen";

std::string render(const rt::Value& v) {
  if (auto s = std::get_if<std::string>(&v)) return *s;
  if (auto b = std::get_if<bool>(&v)) return *b ? "true" : "false";
  return std::to_string(std::get<double>(v));
}

// Every control's properties of the given names, keyed "name(index).Prop".
using Snapshot = std::map<std::string, std::string>;

Snapshot snapshot(FrmMain& f, std::initializer_list<std::string_view> props) {
  Snapshot out;
  for (const auto& c : f.controls()) {
    if (c->kind() == rt::ControlKind::StatusBar) continue;
    for (std::string_view p : props) {
      if (auto v = c->get(p)) out[c->fullName() + "." + std::string(p)] = render(*v);
    }
  }
  return out;
}

Snapshot captions(FrmMain& f) { return snapshot(f, {"Caption", "ToolTipText"}); }

// Everything the switch must leave alone: values, texts, check marks, list
// selections, enabled states and colours.
Snapshot state(FrmMain& f) {
  return snapshot(f, {"Text", "Value", "Checked", "ListIndex", "Enabled", "Visible", "ForeColor", "BackColor"});
}

std::string status(FrmMain& f) { return f.StatusBar1->panelText(1); }

TEST(LanguageSwitch, GermanGivesTheCaptionsTheWindowIsBuiltWith) {
  testkit::TestApp t(false);
  const Snapshot design = captions(t.main());
  Sprache_Deutsch_Laden(t.app());
  EXPECT_EQ(captions(t.main()), design);
  EXPECT_EQ(status(t.main()), kGermanConfirmation);
}

TEST(LanguageSwitch, EnglishAndBackRestoresEveryCaptionAndTooltip) {
  testkit::TestApp t(false);
  FrmMain& f = t.main();
  Sprache_Deutsch_Laden(t.app());
  const Snapshot german = captions(f);

  Sprache_English_Laden(t.app());
  EXPECT_EQ(status(f), kEnglishConfirmation);
  for (int s = 0; s < kBaseSlots; ++s) {
    SCOPED_TRACE(kBaseSlotNames[s].stem);
    const BaseSlot& b = f.basis[s];
    EXPECT_EQ(b.cbo_Preis->ToolTipText(), "Price per ...");
    EXPECT_EQ(b.lbl_Hersteller->Caption(), "Vendor: ");
    EXPECT_EQ(b.lbl_Menge->Caption(), "Amount: ");
    EXPECT_EQ(b.lbl_Preis_Summe->Caption(), "Subtotal: ");
    EXPECT_EQ(b.lbl_Preis_100_ml->Caption(), "Price: ");
    EXPECT_EQ(b.lbl_Sonst_Prozent->Caption(), "% Other ");
    // Captions no language changes.
    EXPECT_EQ(b.lbl_mg_ml->Caption(), "mg/ml");
    EXPECT_EQ(b.lbl_Preis_100_ml_Euro->Caption(), "\xE2\x82\xAC");
  }
  const std::array<std::string_view, kBaseSlots> ticks = {"PG - N-Base",    "VG - N-Base",    "VPG - N-Base",
                                                          "PG - Zero-Base", "VG - Zero-Base", "Distilled water "};
  for (int s = 0; s < kBaseSlots; ++s) EXPECT_EQ(f.basis[s].chk->Caption(), ticks[s]);
  for (int k : kFlavourRowNumbers) {
    EXPECT_EQ(f.aroma[k].chk_Aroma->Caption(), "Flavor " + std::to_string(k) + ": ");
    EXPECT_EQ(f.aroma[k].lbl_Aroma_Preis_je->Caption(), "Price: ");
    EXPECT_EQ(f.aroma[k].cbo_Aroma_Preis_Menge->ToolTipText(), "Price per ...");
  }
  EXPECT_EQ(f.opt_Berechnungsauswahl[0]->Caption(), "Calculation    ");
  EXPECT_EQ(f.opt_Berechnungsauswahl[1]->Caption(), "Reversed Live-Analysis by manually amount input   ");
  EXPECT_EQ(f.lbl_Berechnung_Zusammenstellung->Caption(), "Title of this fantastic mixing ratio: ");
  EXPECT_EQ(f.lbl_Live_Preis_Summe->Caption(), "All-in cost: ");
  EXPECT_EQ(f.lbl_Live_Viskositaet->Caption(), "Problems: ");
  EXPECT_EQ(f.btn_Misch_Zu_Menge->ToolTipText(),
            "Calculated transfer with this amount to \"Live-Analysis-Amounts\" by those mixing ratio");
  EXPECT_EQ(f.btn_Misch_Zu_Menge->Caption(), "Mix --->   ");
  EXPECT_EQ(f.btn_Reset->Caption(), "Reset ");
  EXPECT_EQ(f.mnu_Datei_Speichern_Unter->Caption(), "Save &As ...");
  EXPECT_EQ(f.mnu_Service_MsgBox->Caption(), "Disable messagebo&x --- Infos only in statusbar visibly");
  EXPECT_EQ(f.mnu_Service_Aromenkonfiguration->Caption(), "&AromenTessivane");

  Sprache_Deutsch_Laden(t.app());
  EXPECT_EQ(captions(f), german);
  EXPECT_EQ(status(f), kGermanConfirmation);
}

TEST(LanguageSwitch, CalculateButtonKeepsItsStateInTheNewLanguage) {
  const Msg states[] = {Msg::Text_Btn_Berechnen, Msg::Text_Btn_Abbrechen, Msg::Text_Btn_Annaeherung,
                        Msg::Text_Btn_Schnell_Loesung};
  for (Msg m : states) {
    SCOPED_TRACE(MessageTable::nameOf(m));
    testkit::TestApp t(false);
    rt::CommandButton& button = *t.main().btn_Berechnung;
    Sprache_Deutsch_Laden(t.app());
    button.setCaption(MessageTable::textOf(m, Language::German));

    Sprache_English_Laden(t.app());
    EXPECT_EQ(button.Caption(), MessageTable::textOf(m, Language::English));
    // The button's handler compares with the current entries and still
    // recognises its state.
    EXPECT_EQ(button.Caption(), t.app().texts[m]);

    Sprache_Deutsch_Laden(t.app());
    EXPECT_EQ(button.Caption(), MessageTable::textOf(m, Language::German));
  }
}

TEST(LanguageSwitch, QuickSolutionCaptionSurvivesARoundTrip) {
  testkit::TestApp t(false);
  rt::CommandButton& button = *t.main().btn_Berechnung;
  Sprache_Deutsch_Laden(t.app());
  button.setCaption("Schnell-L\xC3\xB6sung ");
  Sprache_English_Laden(t.app());
  EXPECT_EQ(button.Caption(), "Quick solution ");
  Sprache_Deutsch_Laden(t.app());
  EXPECT_EQ(button.Caption(), "Schnell-L\xC3\xB6sung ");
}

TEST(LanguageSwitch, CalculateButtonWithAnUnknownCaptionBecomesIdle) {
  testkit::TestApp t(false);
  rt::CommandButton& button = *t.main().btn_Berechnung;
  // Before the first switch the entries are empty, so even a state caption
  // matches nothing.
  button.setCaption("Abbrechen ");
  Sprache_Deutsch_Laden(t.app());
  EXPECT_EQ(button.Caption(), "Berechnen ");

  button.setCaption("Abbrechen");  // the trailing blank is part of the state
  Sprache_English_Laden(t.app());
  EXPECT_EQ(button.Caption(), "Calculate ");

  button.setCaption("Cancel  ");
  Sprache_Deutsch_Laden(t.app());
  EXPECT_EQ(button.Caption(), "Berechnen ");
  EXPECT_EQ(t.app().texts[Msg::Text_Btn_Abbrechen], "Abbrechen ");
}

TEST(LanguageSwitch, ProposalLabelChangesItsWordAndKeepsItsNumbers) {
  testkit::TestApp t(false);
  rt::Label& label = *t.main().lbl_TopTen;
  // At the first switch there is no old word to replace.
  label.setCaption("Proposal 3 / 4");
  Sprache_Deutsch_Laden(t.app());
  EXPECT_EQ(label.Caption(), "Proposal 3 / 4");

  label.setCaption("Vorschlag 2 / 5");
  Sprache_English_Laden(t.app());
  EXPECT_EQ(label.Caption(), "Proposal 2 / 5");
  EXPECT_EQ(t.app().texts[Msg::Text_Vorschlag], "Proposal ");
  Sprache_Deutsch_Laden(t.app());
  EXPECT_EQ(label.Caption(), "Vorschlag 2 / 5");

  // The word alone keeps its blank; every occurrence is replaced, matched
  // exactly.
  label.setCaption("Vorschlag ");
  Sprache_English_Laden(t.app());
  EXPECT_EQ(label.Caption(), "Proposal ");
  label.setCaption("Proposal Proposal proposal");
  Sprache_Deutsch_Laden(t.app());
  EXPECT_EQ(label.Caption(), "Vorschlag Vorschlag proposal");
}

TEST(LanguageSwitch, ChoosingTheActiveLanguageAgainOnlyRewritesTheStatusLine) {
  for (bool english : {false, true}) {
    SCOPED_TRACE(english ? "English" : "German");
    testkit::TestApp t(false);
    FrmMain& f = t.main();
    auto apply = english ? Sprache_English_Laden : Sprache_Deutsch_Laden;
    apply(t.app());
    f.lbl_TopTen->setCaption(english ? "Proposal 1 / 2" : "Vorschlag 1 / 2");
    const Snapshot before = captions(f);
    std::array<std::string, kMessageCount> texts;
    for (int i = 0; i < kMessageCount; ++i) texts[i] = t.app().texts[static_cast<Msg>(i)];

    Statusleiste_Text(t.app(), "something else");
    apply(t.app());
    EXPECT_EQ(captions(f), before);
    for (int i = 0; i < kMessageCount; ++i) EXPECT_EQ(t.app().texts[static_cast<Msg>(i)], texts[i]);
    EXPECT_EQ(status(f), english ? kEnglishConfirmation : kGermanConfirmation);
  }
}

TEST(LanguageSwitch, ChangesNoCheckMarkNoFieldAndRunsNoRefresh) {
  testkit::TestApp t(false);
  FrmMain& f = t.main();
  Sprache_Deutsch_Laden(t.app());
  // A state that differs from the design in places the switch could touch.
  f.mnu_Service_Sprache_Deutsch->setChecked(false);
  f.mnu_Service_MsgBox->setChecked(true);
  f.basis[PG_N_Basis].chk->setValueSilently(1);
  f.aroma[4].chk_Aroma->setValueSilently(1);
  f.aroma[4].txt_Aroma_Kommentar->setText("Vorschlag ");
  f.txt_Berechnung_Zusammenstellung->setText("Proposal 1 / 1");
  f.lbl_Aromen->setEnabled(false);
  const Snapshot before = state(f);
  const auto refreshes = t.app().refreshCount;

  Sprache_English_Laden(t.app());
  EXPECT_EQ(state(f), before);
  Sprache_Deutsch_Laden(t.app());
  EXPECT_EQ(state(f), before);
  EXPECT_EQ(t.app().refreshCount, refreshes);
  EXPECT_TRUE(t.host().boxes.empty());
}

TEST(LanguageMenu, ChecksTheChosenEntryAndAppliesItsTexts) {
  testkit::TestApp t(false);
  FrmMain& f = t.main();
  f.setVisible(true);
  Sprache_Deutsch_Laden(t.app());

  for (int round = 0; round < 2; ++round) {  // choosing English twice keeps it
    ASSERT_TRUE(f.userMenu(*f.mnu_Service_Sprache_English));
    EXPECT_TRUE(f.mnu_Service_Sprache_English->Checked());
    EXPECT_FALSE(f.mnu_Service_Sprache_Deutsch->Checked());
    EXPECT_EQ(f.mnu_Datei->Caption(), "&File");
    EXPECT_EQ(t.app().texts[Msg::Msg_Reset_Titel], "Do you really want a reset ?");
    EXPECT_EQ(status(f), kEnglishConfirmation);
  }

  ASSERT_TRUE(f.userMenu(*f.mnu_Service_Sprache_Deutsch));
  EXPECT_TRUE(f.mnu_Service_Sprache_Deutsch->Checked());
  EXPECT_FALSE(f.mnu_Service_Sprache_English->Checked());
  EXPECT_EQ(f.mnu_Datei->Caption(), "&Datei");
  EXPECT_EQ(status(f), kGermanConfirmation);
}

TEST(StatusLine, ReplacesTheFirstPanel) {
  testkit::TestApp t(false);
  Statusleiste_Text(t.app(), "Reset durchgef\xC3\xBChrt");
  EXPECT_EQ(status(t.main()), "Reset durchgef\xC3\xBChrt");
  Statusleiste_Text(t.app(), "");
  EXPECT_EQ(status(t.main()), "");
}

}  // namespace
}  // namespace mirl
