#include "support/message_table.h"

#include <cstddef>

namespace mirl {

namespace {

// The eight conversion error codes share one box text per language; only
// their titles and status texts name the code.
constexpr const char* kSumNot100De =
    "Berechnung unmöglich, da die Summe aller Elemente vor der Umrechnung schon keine 100% ergab.\r\n"
    "Gehen Sie mit der Maus über die rote Schrift um die Differenz zu erfahren.\r\n"
    "\r\n"
    "Der Vorgang wird abgebrochen";
constexpr const char* kSumNot100En =
    "Unable to calculate, the sum of all elements must be 100%.\r\n"
    "The tooltip from the red labels tell you the difference.\r\n"
    "\r\n"
    "The process ist canceled.";

struct MessageTexts {
  Msg id;
  const char* german;
  const char* english;
};

// Every text exactly as the program shows it: blanks at either end belong to
// the text (the calculate button's captions are compared with these), a line
// break is CR LF, and the wording of both languages is kept as it has always
// been shown to users.
constexpr MessageTexts kTexts[] = {
    // The calculate button's states and the proposal word.
    {Msg::Text_Btn_Berechnen,
     "Berechnen ",
     "Calculate "},
    {Msg::Text_Btn_Abbrechen,
     "Abbrechen ",
     "Cancel "},
    {Msg::Text_Btn_Annaeherung,
     "Annäherungsberechnung ",
     "Approximation "},
    {Msg::Text_Btn_Schnell_Loesung,
     "Schnell-Lösung ",
     "Quick solution "},
    {Msg::Text_Vorschlag,
     "Vorschlag ",
     "Proposal "},

    // Search depth reached without an exact hit; the question offers the
    // approximation search.
    {Msg::Msg_Tiefe_Text,
     "Voreingestellte Berechnungstiefe erreicht.\r\n"
     "Leider keine 100% Übereinstimmung gefunden.\r\n"
     "\r\n"
     "Möchten Sie eine Annäherungsberechnung starten ?",
     "Calculator have reached their highest level.\r\n"
     "Unable to find severe conformity.\r\n"
     "\r\n"
     "Do you want search a few approximations ?"},
    {Msg::Msg_Tiefe_Titel,
     "Maximale Berechnungstiefe erreicht",
     "No severe conformity found"},
    {Msg::Msg_Tiefe_Status_Annaeherung,
     "Voreingestellte Berechnungstiefe erreicht --- Leider keine 100% Übereinstimmung gefunden --- Es wird nun versucht eine Lösung durch mehrere Annäherungsberechnungen zu finden --- Dies kann einige Minuten dauern",
     "Calculator have reached their highest level --- Unable to find severe conformity --- The search of approximations ist started --- To have a little patience"},
    {Msg::Msg_Tiefe_Status_Keine_Annaeherung,
     "Voreingestellte Berechnungstiefe erreicht --- Leider keine 100% Übereinstimmung gefunden --- Keine Annäherungsberechnung erwünscht",
     "Calculator have reached their highest level --- Unable to find severe conformity --- No approximations wanted"},

    // Plausibility checks before a search.
    {Msg::Msg_Keine_Basis_Text,
     "Berechnung wurde abgebrochen weil keine Basen ausgewählt wurden.\r\n"
     "Um ein Basis-Liquid zu aktivieren, setzen Sie ein Häkchen in die entsprechende Checkbox.\r\n"
     "\r\n"
     "Der Vorgang wird abgebrochen.",
     "Unable to calculate, there is no base liquid choose.\r\n"
     "Click the properly Checkbox for activate an base liquid.\r\n"
     "\r\n"
     "The process ist canceled."},
    {Msg::Msg_Keine_Basis_Titel,
     "Berechnung abgebrochen",
     "Stop Calculating!"},
    {Msg::Msg_Keine_Basis_Status,
     "Berechnung wurde abgebrochen weil keine Basen ausgewählt wurden.",
     "The process ist canceled --- Unable to calculate, there is no base liquid choose"},
    {Msg::Msg_Eine_Basis_Text,
     "Berechnung wurde abgebrochen weil nur ein Basis-Liquid aktiviert wurde.\r\n"
     "\r\n"
     "Der Vorgang wird abgebrochen.",
     "There is only one base liquid activated and consequently no different to calculate.\r\n"
     "\r\n"
     "The process ist canceled."},
    {Msg::Msg_Eine_Basis_Titel,
     "Berechnung abgebrochen",
     "Stop Calculating!"},
    {Msg::Msg_Eine_Basis_Status,
     "Berechnung wurde abgebrochen weil nur ein Basis-Liquid aktiviert wurde.",
     "The process ist canceled --- Unable to calculate a different between only one base"},
    {Msg::Msg_Ein_Nwert_Text,
     "Gewünschter Ngehalt kann von den aktivierten Basen nicht gemischt werden.\r\n"
     "Sie haben nur einen Nwert als Basis ausgwewählt und möchten daraus einen differenzierten Nwert mischen.\r\n"
     "Dies ist unmöglich !\r\n"
     "\r\n"
     "Der Vorgang wird abgebrochen",
     "Unable to calculate a different N-value from only one checked value.\r\n"
     "That´s really impossible !\r\n"
     "\r\n"
     "The process ist canceled."},
    {Msg::Msg_Ein_Nwert_Titel,
     "Berechnung abgebrochen",
     "Stop Calculating!"},
    {Msg::Msg_Ein_Nwert_Status,
     "Sie haben nur einen Nwert als Basis ausgwewählt und möchten daraus einen differenzierten Nwert mischen --- Dies ist unmöglich ! --- Vorgang abgebrochen",
     "Unable to calculate a different N-value from only one checked value --- That´s really impossible ! --- The process ist canceled"},
    {Msg::Msg_N_Zu_Hoch_Text,
     "Gewünschter Ngehalt ist größer als die höchstdosierte Nbasis.\r\n"
     "\r\n"
     "Der Vorgang wird abgebrochen.",
     "Target N-value is higher as the highest source value.\r\n"
     "That´s really impossible !\r\n"
     "\r\n"
     "The process ist canceled."},
    {Msg::Msg_N_Zu_Hoch_Titel,
     "Berechnung abgebrochen",
     "Stop Calculating!"},
    {Msg::Msg_N_Zu_Hoch_Status,
     "Gewünschter Ngehalt größer als höchste Nbasis --- Vorgang abgebrochen",
     "Target N-value is higher than source value --- That´s really impossible ! --- The process ist canceled"},
    {Msg::Msg_N_Zu_Niedrig_Text,
     "Gewünschter Ngehalt ist kleiner als die niedrigst dosierte Nbasis.\r\n"
     "\r\n"
     "Der Vorgang wird abgebrochen.",
     "Target N-value is lower as the lowest source value.\r\n"
     "That´s really impossible !\r\n"
     "\r\n"
     "The process ist canceled."},
    {Msg::Msg_N_Zu_Niedrig_Titel,
     "Berechnung abgebrochen",
     "Stop Calculating!"},
    {Msg::Msg_N_Zu_Niedrig_Status,
     "Gewünschter Ngehalt größer als kleinste Nbasis --- Vorgang abgebrochen",
     "The target N-value is lower as the lowest source value --- That´s really impossible ! --- The process ist canceled"},
    {Msg::Msg_Menge_Zu_Klein_Text,
     "Die gewünschte Gesamtmenge ist kleiner als 2 ml.\r\n"
     "\r\n"
     "Der Vorgang wird abgebrochen.",
     "The total amount is less than 2 ml.\r\n"
     "\r\n"
     "The process ist canceled."},
    {Msg::Msg_Menge_Zu_Klein_Titel,
     "Berechnung abgebrochen",
     "Stop Calculating!"},
    {Msg::Msg_Menge_Zu_Klein_Status,
     "Die gewünschte Gesamtmenge ist kleiner als 2 ml. --- Vorgang abgebrochen",
     "The total amount is less than 2 ml --- The process ist canceled"},

    // Conversion errors: the eight codes share one box text per language.
    {Msg::Msg_AH1_Text,
     kSumNot100De, kSumNot100En},
    {Msg::Msg_AH1_Titel,
     "Berechnung abgebrochen! Fehlercode: AH-1",
     "Stop Calculating! Errorcode: AH-1"},
    {Msg::Msg_AH1_Status,
     "AH-1-Berechnung fehlgeschlagen --- Vor der Umrechnung muss die Summe aller Elemente 100% betragen --- Gehen Sie mit der Maus über die rote Schrift um die Differenz zu erfahren",
     "Stop Calculating! Errorcode: AH-1 --- The sum of all elements must be 100% --- The tooltip from the red labels tell you the difference"},
    {Msg::Msg_AH2_Text,
     kSumNot100De, kSumNot100En},
    {Msg::Msg_AH2_Titel,
     "Berechnung abgebrochen! Fehlercode: AH-2",
     "Stop Calculating! Errorcode: AH-2"},
    {Msg::Msg_AH2_Status,
     "AH-2-Berechnung fehlgeschlagen --- Vor der Umrechnung muss die Summe aller Elemente 100% betragen --- Gehen Sie mit der Maus über die rote Schrift um die Differenz zu erfahren",
     "Stop Calculating! Errorcode: AH-2 --- The sum of all elements must be 100% --- The tooltip from the red labels tell you the difference"},
    {Msg::Msg_AE1_Text,
     kSumNot100De, kSumNot100En},
    {Msg::Msg_AE1_Titel,
     "Berechnung abgebrochen! Fehlercode: AE-1",
     "Stop Calculating! Errorcode: AE-1"},
    {Msg::Msg_AE1_Status,
     "AE-1-Berechnung fehlgeschlagen --- Vor der Umrechnung muss die Summe aller Elemente 100% betragen --- Gehen Sie mit der Maus über die rote Schrift um die Differenz zu erfahren",
     "Stop Calculating! Errorcode: AE-1 --- The sum of all elements must be 100% --- The tooltip from the red labels tell you the difference"},
    {Msg::Msg_AE2_Text,
     kSumNot100De, kSumNot100En},
    {Msg::Msg_AE2_Titel,
     "Berechnung abgebrochen! Fehlercode: AE-2",
     "Stop Calculating! Errorcode: AE-2"},
    {Msg::Msg_AE2_Status,
     "AE-2-Berechnung fehlgeschlagen --- Vor der Umrechnung muss die Summe aller Elemente 100% betragen --- Gehen Sie mit der Maus über die rote Schrift um die Differenz zu erfahren",
     "Stop Calculating! Errorcode: AE-2 --- The sum of all elements must be 100% --- The tooltip from the red labels tell you the difference"},
    {Msg::Msg_NH1_Text,
     kSumNot100De, kSumNot100En},
    {Msg::Msg_NH1_Titel,
     "Berechnung abgebrochen! Fehlercode: NH-1",
     "Stop Calculating! Errorcode: NH-1"},
    {Msg::Msg_NH1_Status,
     "NH-1-Berechnung fehlgeschlagen --- Vor der Umrechnung muss die Summe aller Elemente 100% betragen --- Gehen Sie mit der Maus über die rote Schrift um die Differenz zu erfahren",
     "Stop Calculating! Errorcode: NH-1 --- The sum of all elements must be 100% --- The tooltip from the red labels tell you the difference"},
    {Msg::Msg_NH2_Text,
     kSumNot100De, kSumNot100En},
    {Msg::Msg_NH2_Titel,
     "Berechnung abgebrochen! Fehlercode: NH-2",
     "Stop Calculating! Errorcode: NH-2"},
    {Msg::Msg_NH2_Status,
     "NH-2-Berechnung fehlgeschlagen --- Vor der Umrechnung muss die Summe aller Elemente 100% betragen --- Gehen Sie mit der Maus über die rote Schrift um die Differenz zu erfahren",
     "Stop Calculating! Errorcode: NH-2 --- The sum of all elements must be 100% --- The tooltip from the red labels tell you the difference"},
    {Msg::Msg_NE1_Text,
     kSumNot100De, kSumNot100En},
    {Msg::Msg_NE1_Titel,
     "Berechnung abgebrochen! Fehlercode: NE-1",
     "Stop Calculating! Errorcode: NE-1"},
    {Msg::Msg_NE1_Status,
     "NE-1-Berechnung fehlgeschlagen --- Vor der Umrechnung muss die Summe aller Elemente 100% betragen --- Gehen Sie mit der Maus über die rote Schrift um die Differenz zu erfahren",
     "Stop Calculating! Errorcode: NE-1 --- The sum of all elements must be 100% --- The tooltip from the red labels tell you the difference"},
    {Msg::Msg_NE2_Text,
     kSumNot100De, kSumNot100En},
    {Msg::Msg_NE2_Titel,
     "Berechnung abgebrochen! Fehlercode: NE-2",
     "Stop Calculating! Errorcode: NE-2"},
    {Msg::Msg_NE2_Status,
     "NE-2-Berechnung fehlgeschlagen --- Vor der Umrechnung muss die Summe aller Elemente 100% betragen --- Gehen Sie mit der Maus über die rote Schrift um die Differenz zu erfahren",
     "Stop Calculating! Errorcode: NE-2 --- The sum of all elements must be 100% --- The tooltip from the red labels tell you the difference"},
    {Msg::Msg_AEZA_Text,
     "Berechnung abgebrochen, da die Summe aller Aromen mehr als 99% ergab.\r\n"
     "Gehen Sie mit der Maus über die rote Schrift um die Differenz zu erfahren.\r\n"
     "\r\n"
     "Der Vorgang wird abgebrochen",
     "The sum of all flavors are more than 99%.\r\n"
     "The tooltip from the red labels tell you the difference to 99.\r\n"
     "\r\n"
     "The process ist canceled."},
    {Msg::Msg_AEZA_Titel,
     "Zuviel Aroma",
     "Stop Calculating! Errorcode: AE-ZA"},
    {Msg::Msg_AEZA_Status,
     "AE-ZA --- Berechnung abgebrochen --- Summe aller Aromen mehr als 99%",
     "Stop Calculating! Errorcode: AE-ZA --- Stop Calculating! --- The sum of all flavors are more than 99%"},

    // Factory reset, session file and the flavour window's resets.
    {Msg::Msg_Reset_Text,
     "Möchten Sie wirklich alles wieder in den Auslieferungszustand versetzen ?\r\n"
     "ALLE Eingabefelder, Menüoptionen, Check-, Radio- und Auswahlboxen werden hiermit zurückgesetzt.\r\n"
     "\r\n"
     "Die gespeicherten Dateien bleiben selbstverständlich, an ihrem gespeicherten Ort, erhalten.",
     "Do you want reset all inputvalues ?\r\n"
     "All textboxes, menuoptions, check-, radio- und comboboxes become a reset.\r\n"
     "\r\n"
     "Your safety datafiles are not affected."},
    {Msg::Msg_Reset_Titel,
     "Möchten Sie ein Reset ausführen ?",
     "Do you really want a reset ?"},
    {Msg::Msg_Reset_Status_Ok,
     "Reset durchgeführt",
     "You carry out a reset"},
    {Msg::Msg_Reset_Status_Abbruch,
     "Reset abgebrochen",
     "Reset canceled"},
    {Msg::Msg_Import_Status_Ok,
     "Datei wurde erfolgreich importiert",
     "The File was succesfull imported"},
    {Msg::Msg_Speichern_Status_Ok,
     "Der Speichervorgang wurde erfolgreich durchgeführt",
     "The save progress was successful"},
    {Msg::Msg_Speichern_Status_Abbruch,
     "Der Speichervorgang wurde abgebrochen",
     "The save progress was canceled"},
    // A file that could not be written or read.
    {Msg::Msg_Speichern_Fehler_Text,
     "Die Datei konnte nicht gespeichert werden.",
     "The file could not be saved."},
    {Msg::Msg_Speichern_Fehler_Titel,
     "Speichern",
     "Save"},
    {Msg::Msg_Speichern_Fehler_Status,
     "Der Speichervorgang ist fehlgeschlagen",
     "The save progress failed"},
    {Msg::Msg_Import_Fehler_Text,
     "Die Datei konnte nicht gelesen werden.",
     "The file could not be read."},
    {Msg::Msg_Import_Fehler_Titel,
     "Öffnen",
     "Open"},
    {Msg::Msg_Import_Fehler_Status,
     "Die Datei konnte nicht importiert werden",
     "The file could not be imported"},
    {Msg::Msg_Aroma_Reset_Text,
     "Möchten Sie wirklich dieses Aroma zurücksetzen ?",
     "Do you want reset this flavor ?"},
    {Msg::Msg_Aroma_Reset_Titel,
     "Möchten Sie ein Reset ausführen ?",
     "Do you really want a reset ?"},
    {Msg::Msg_Alle_Aromen_Reset_Text,
     "Möchten Sie wirklich alle Aromenzusammenstellungen zurücksetzen ?",
     "Do you want reset all flavors ?"},
    {Msg::Msg_Alle_Aromen_Reset_Titel,
     "Möchten Sie ein Reset ausführen ?",
     "Do you really want a reset ?"},
    {Msg::Msg_Aromen_Null_Text,
     "Möchten Sie wirklich alle Prozentangaben der Aromen auf Null setzen ?",
     "Do you want reset all percentile flavor values ?"},
    {Msg::Msg_Aromen_Null_Titel,
     "Möchten Sie ein Reset ausführen ?",
     "Do you really want a reset ?"},

    // End of a search (the texts before and after the number of proposals)
    // and the rounding hints of the conversions.
    {Msg::Msg_Tiefe_Status_Treffer_Vor,
     "Berechnung nach ",
     "Search for "},
    {Msg::Msg_Tiefe_Status_Treffer_Nach,
     " Treffer abgebrochen --- Grund: Voreingestellte Berechnungstiefe erreicht",
     " hit canceled --- Reason: Calculator have reached their highest level"},
    {Msg::Msg_Tiefe_Status_Treffern_Vor,
     "Berechnung nach ",
     "Search for "},
    {Msg::Msg_Tiefe_Status_Treffern_Nach,
     " Treffern abgebrochen --- Grund: Voreingestellte Berechnungstiefe erreicht --- Die Vorschläge wurden preislich sortiert",
     " hits canceled --- Reason: Calculator have reached their highest level --- The results are sorted by price"},
    {Msg::Msg_Abbruch_Status_Treffer_Vor,
     "Berechnung nach ",
     "Search for "},
    {Msg::Msg_Abbruch_Status_Treffer_Nach,
     " Treffer abgebrochen --- Grund: Abbruch durch Benutzer",
     " hit canceled --- Reason: Calculatin was canceled by user"},
    {Msg::Msg_Abbruch_Status_Treffern_Vor,
     "Berechnung nach ",
     "Search for "},
    {Msg::Msg_Abbruch_Status_Treffern_Nach,
     " Treffern abgebrochen --- Grund: Abbruch durch Benutzer",
     " hits canceled --- Reason: Calculatin was canceled by user"},
    {Msg::Msg_AH_Rundung_Status,
     "Hinweis: AH --- Rundungsfehler wurde ausgeglichen",
     "Indication: AH --- it settle small rounding differences"},
    {Msg::Msg_AE_Rundung_Status,
     "Hinweis: AE --- Rundungsfehler wurde ausgeglichen",
     "Indication: AE --- it settle small rounding differences"},
    {Msg::Msg_NH_Rundung_Status,
     "Hinweis: NH --- Rundungsfehler wurde ausgeglichen",
     "Indication: NH --- it settle small rounding differences"},
    {Msg::Msg_NE_Rundung_Status,
     "Hinweis: NE --- Rundungsfehler wurde ausgeglichen",
     "Indication: NE --- it settle small rounding differences"},

    // Tooltip words, joined with a formatted number by their readers.
    {Msg::Tip_Zu_Viel,
     "% zu viel",
     "% too much"},
    {Msg::Tip_Es_Fehlen,
     "Es fehlen noch ",
     "Lack of "},
    {Msg::Tip_Zu_Viel_Dosierung,
     "% zu viel",
     "% too much"},
};

constexpr bool inDeclarationOrder() {
  for (std::size_t i = 0; i < std::size(kTexts); ++i) {
    if (static_cast<std::size_t>(kTexts[i].id) != i) return false;
  }
  return true;
}
static_assert(std::size(kTexts) == kMessageCount, "one pair of texts per message");
static_assert(inDeclarationOrder(), "texts listed in the order of the declaration");

constexpr std::string_view kNames[] = {
#define MIRL_MSG_NAME(name) #name,
    MIRL_MESSAGES(MIRL_MSG_NAME)
#undef MIRL_MSG_NAME
};

// The texts of both languages as strings, built once on first use and never
// changed afterwards.
struct LanguageTexts {
  std::array<std::string, kMessageCount> german;
  std::array<std::string, kMessageCount> english;

  LanguageTexts() {
    for (std::size_t i = 0; i < std::size(kTexts); ++i) {
      german[i] = kTexts[i].german;
      english[i] = kTexts[i].english;
    }
  }
};

const LanguageTexts& languageTexts() {
  static const LanguageTexts texts;
  return texts;
}

}  // namespace

const std::string& MessageTable::textOf(Msg m, Language lang) {
  const LanguageTexts& t = languageTexts();
  const auto i = static_cast<std::size_t>(m);
  return lang == Language::German ? t.german.at(i) : t.english.at(i);
}

Language MessageTable::language() const {
  // The proposal word differs between the languages; the switch assigns it
  // with every other entry.
  return (*this)[Msg::Text_Vorschlag] == textOf(Msg::Text_Vorschlag, Language::English) ? Language::English
                                                                                          : Language::German;
}

std::string_view MessageTable::nameOf(Msg m) {
  const auto i = static_cast<std::size_t>(m);
  return i < std::size(kNames) ? kNames[i] : std::string_view{};
}

std::optional<Msg> MessageTable::byName(std::string_view name) {
  for (std::size_t i = 0; i < std::size(kNames); ++i) {
    if (kNames[i] == name) return static_cast<Msg>(i);
  }
  return std::nullopt;
}

}  // namespace mirl
