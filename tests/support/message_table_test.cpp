#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "support/language.h"
#include "support/message_table.h"
#include "testkit/test_app.h"

namespace mirl {
namespace {

constexpr std::array kLanguages = {Language::German, Language::English};

Msg msgAt(int i) { return static_cast<Msg>(i); }

const std::string& text(Msg m, Language lang) { return MessageTable::textOf(m, lang); }

TEST(MessageTable, SwitchFillsEveryEntryInOneLanguage) {
  testkit::TestApp t(false);
  for (int i = 0; i < kMessageCount; ++i) EXPECT_TRUE(t.app().texts[msgAt(i)].empty());

  Sprache_Deutsch_Laden(t.app());
  for (int i = 0; i < kMessageCount; ++i) {
    SCOPED_TRACE(MessageTable::nameOf(msgAt(i)));
    EXPECT_FALSE(t.app().texts[msgAt(i)].empty());
    EXPECT_EQ(t.app().texts[msgAt(i)], text(msgAt(i), Language::German));
  }

  Sprache_English_Laden(t.app());
  for (int i = 0; i < kMessageCount; ++i) {
    SCOPED_TRACE(MessageTable::nameOf(msgAt(i)));
    EXPECT_FALSE(t.app().texts[msgAt(i)].empty());
    EXPECT_EQ(t.app().texts[msgAt(i)], text(msgAt(i), Language::English));
  }
}

TEST(MessageTable, SampleTextsAreExactToTheByte) {
  struct Sample {
    Msg msg;
    Language lang;
    std::string_view expected;
  };
  const Sample samples[] = {
      {Msg::Text_Btn_Berechnen, Language::German, "Berechnen "},
      {Msg::Text_Btn_Berechnen, Language::English, "Calculate "},
      {Msg::Text_Btn_Abbrechen, Language::English, "Cancel "},
      {Msg::Text_Btn_Annaeherung, Language::German, "Ann\xC3\xA4herungsberechnung "},
      {Msg::Text_Btn_Annaeherung, Language::English, "Approximation "},
      {Msg::Text_Btn_Schnell_Loesung, Language::German, "Schnell-L\xC3\xB6sung "},
      {Msg::Text_Btn_Schnell_Loesung, Language::English, "Quick solution "},
      {Msg::Text_Vorschlag, Language::English, "Proposal "},
      {Msg::Msg_Tiefe_Text, Language::German,
       "Voreingestellte Berechnungstiefe erreicht.\r\n"
       "Leider keine 100% \xC3\x9C"
       "bereinstimmung gefunden.\r\n"
       "\r\n"
       "M\xC3\xB6"
       "chten Sie eine Ann\xC3\xA4herungsberechnung starten ?"},
      {Msg::Msg_Ein_Nwert_Text, Language::English,
       "Unable to calculate a different N-value from only one checked value.\r\n"
       "That\xC2\xB4s really impossible !\r\n"
       "\r\n"
       "The process ist canceled."},
      {Msg::Msg_Ein_Nwert_Status, Language::German,
       "Sie haben nur einen Nwert als Basis ausgwew\xC3\xA4hlt und m\xC3\xB6"
       "chten daraus einen differenzierten Nwert mischen --- Dies ist unm\xC3\xB6glich ! --- Vorgang abgebrochen"},
      {Msg::Msg_N_Zu_Niedrig_Status, Language::German,
       "Gew\xC3\xBCnschter Ngehalt gr\xC3\xB6\xC3\x9F"
       "er als kleinste Nbasis --- Vorgang abgebrochen"},
      {Msg::Msg_Menge_Zu_Klein_Status, Language::German,
       "Die gew\xC3\xBCnschte Gesamtmenge ist kleiner als 2 ml. --- Vorgang abgebrochen"},
      {Msg::Msg_Reset_Text, Language::English,
       "Do you want reset all inputvalues ?\r\n"
       "All textboxes, menuoptions, check-, radio- und comboboxes become a reset.\r\n"
       "\r\n"
       "Your safety datafiles are not affected."},
      {Msg::Msg_AEZA_Titel, Language::German, "Zuviel Aroma"},
      {Msg::Msg_Import_Status_Ok, Language::English, "The File was succesfull imported"},
      {Msg::Tip_Es_Fehlen, Language::German, "Es fehlen noch "},
      {Msg::Tip_Zu_Viel, Language::English, "% too much"},
      {Msg::Tip_Zu_Viel_Dosierung, Language::German, "% zu viel"},
  };
  for (const Sample& s : samples) {
    SCOPED_TRACE(MessageTable::nameOf(s.msg));
    EXPECT_EQ(text(s.msg, s.lang), s.expected);
  }
}

TEST(MessageTable, SearchEndStatusReadsWithTheNumberBetweenItsTwoHalves) {
  auto line = [](Msg before, Msg after, Language lang, int n) {
    return text(before, lang) + std::to_string(n) + text(after, lang);
  };
  EXPECT_EQ(line(Msg::Msg_Tiefe_Status_Treffer_Vor, Msg::Msg_Tiefe_Status_Treffer_Nach, Language::German, 1),
            "Berechnung nach 1 Treffer abgebrochen --- Grund: Voreingestellte Berechnungstiefe erreicht");
  EXPECT_EQ(line(Msg::Msg_Tiefe_Status_Treffer_Vor, Msg::Msg_Tiefe_Status_Treffer_Nach, Language::English, 1),
            "Search for 1 hit canceled --- Reason: Calculator have reached their highest level");
  EXPECT_EQ(line(Msg::Msg_Tiefe_Status_Treffern_Vor, Msg::Msg_Tiefe_Status_Treffern_Nach, Language::English, 5),
            "Search for 5 hits canceled --- Reason: Calculator have reached their highest level --- The results are "
            "sorted by price");
  EXPECT_EQ(line(Msg::Msg_Abbruch_Status_Treffern_Vor, Msg::Msg_Abbruch_Status_Treffern_Nach, Language::English, 12),
            "Search for 12 hits canceled --- Reason: Calculatin was canceled by user");
  EXPECT_EQ(line(Msg::Msg_Abbruch_Status_Treffer_Vor, Msg::Msg_Abbruch_Status_Treffer_Nach, Language::German, 1),
            "Berechnung nach 1 Treffer abgebrochen --- Grund: Abbruch durch Benutzer");
}

TEST(MessageTable, LineBreaksAreCrLfAndStateCaptionsEndInOneBlank) {
  for (Language lang : kLanguages) {
    for (int i = 0; i < kMessageCount; ++i) {
      const std::string& s = text(msgAt(i), lang);
      SCOPED_TRACE(MessageTable::nameOf(msgAt(i)));
      for (size_t p = 0; p < s.size(); ++p) {
        if (s[p] == '\r') {
          EXPECT_TRUE(p + 1 < s.size() && s[p + 1] == '\n');
        }
        if (s[p] == '\n') {
          EXPECT_TRUE(p > 0 && s[p - 1] == '\r');
        }
      }
    }
    // The button's handler tells its state by an exact comparison of its
    // caption, so each state text carries exactly one trailing blank.
    for (Msg m : {Msg::Text_Btn_Berechnen, Msg::Text_Btn_Abbrechen, Msg::Text_Btn_Annaeherung,
                  Msg::Text_Btn_Schnell_Loesung, Msg::Text_Vorschlag}) {
      const std::string& s = text(m, lang);
      SCOPED_TRACE(s);
      ASSERT_GE(s.size(), 2u);
      EXPECT_EQ(s.back(), ' ');
      EXPECT_NE(s[s.size() - 2], ' ');
    }
  }
}

TEST(MessageTable, NamesRoundTrip) {
  std::set<std::string_view> seen;
  for (int i = 0; i < kMessageCount; ++i) {
    const std::string_view name = MessageTable::nameOf(msgAt(i));
    EXPECT_FALSE(name.empty());
    EXPECT_TRUE(seen.insert(name).second) << name;
    EXPECT_EQ(MessageTable::byName(name), msgAt(i)) << name;
  }
  EXPECT_EQ(MessageTable::nameOf(Msg::Msg_AH1_Status), "Msg_AH1_Status");
  EXPECT_EQ(MessageTable::byName("Tip_Zu_Viel_Dosierung"), Msg::Tip_Zu_Viel_Dosierung);
  EXPECT_FALSE(MessageTable::byName(""));
  EXPECT_FALSE(MessageTable::byName("Count"));
  EXPECT_FALSE(MessageTable::byName("Text_Btn_Berechnen "));
  EXPECT_FALSE(MessageTable::byName("text_btn_berechnen"));
}

TEST(MessageTable, ConversionErrorsShareOneBoxTextPerLanguage) {
  struct Code {
    std::string_view code;
    Msg text, title, status;
  };
  const Code codes[] = {
      {"AH-1", Msg::Msg_AH1_Text, Msg::Msg_AH1_Titel, Msg::Msg_AH1_Status},
      {"AH-2", Msg::Msg_AH2_Text, Msg::Msg_AH2_Titel, Msg::Msg_AH2_Status},
      {"AE-1", Msg::Msg_AE1_Text, Msg::Msg_AE1_Titel, Msg::Msg_AE1_Status},
      {"AE-2", Msg::Msg_AE2_Text, Msg::Msg_AE2_Titel, Msg::Msg_AE2_Status},
      {"NH-1", Msg::Msg_NH1_Text, Msg::Msg_NH1_Titel, Msg::Msg_NH1_Status},
      {"NH-2", Msg::Msg_NH2_Text, Msg::Msg_NH2_Titel, Msg::Msg_NH2_Status},
      {"NE-1", Msg::Msg_NE1_Text, Msg::Msg_NE1_Titel, Msg::Msg_NE1_Status},
      {"NE-2", Msg::Msg_NE2_Text, Msg::Msg_NE2_Titel, Msg::Msg_NE2_Status},
  };
  for (Language lang : kLanguages) {
    std::set<std::string> titles, statuses;
    for (const Code& c : codes) {
      SCOPED_TRACE(c.code);
      EXPECT_EQ(text(c.text, lang), text(codes[0].text, lang));
      EXPECT_NE(text(c.title, lang).find(c.code), std::string::npos);
      EXPECT_NE(text(c.status, lang).find(c.code), std::string::npos);
      titles.insert(text(c.title, lang));
      statuses.insert(text(c.status, lang));
    }
    EXPECT_EQ(titles.size(), std::size(codes));
    EXPECT_EQ(statuses.size(), std::size(codes));
    // Too much flavour is its own case with its own box text.
    EXPECT_NE(text(Msg::Msg_AEZA_Text, lang), text(codes[0].text, lang));
  }
  EXPECT_NE(text(Msg::Msg_AH1_Text, Language::German), text(Msg::Msg_AH1_Text, Language::English));
}

}  // namespace
}  // namespace mirl
