#pragma once
// The message table: every text that changes with the language and that code
// outside the language switch shows (the calculate button's states, the
// proposal word, message-box texts and titles, status texts, tooltip words).
// Only the language switch assigns the entries; everything else reads them
// at the moment it shows them. All entries are empty until the first switch.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace mirl {

// clang-format off
#define MIRL_MESSAGES(X) \
  X(Text_Btn_Berechnen) \
  X(Text_Btn_Abbrechen) \
  X(Text_Btn_Annaeherung) \
  X(Text_Btn_Schnell_Loesung) \
  X(Text_Vorschlag) \
  X(Msg_Tiefe_Text) \
  X(Msg_Tiefe_Titel) \
  X(Msg_Tiefe_Status_Annaeherung) \
  X(Msg_Tiefe_Status_Keine_Annaeherung) \
  X(Msg_Keine_Basis_Text) \
  X(Msg_Keine_Basis_Titel) \
  X(Msg_Keine_Basis_Status) \
  X(Msg_Eine_Basis_Text) \
  X(Msg_Eine_Basis_Titel) \
  X(Msg_Eine_Basis_Status) \
  X(Msg_Ein_Nwert_Text) \
  X(Msg_Ein_Nwert_Titel) \
  X(Msg_Ein_Nwert_Status) \
  X(Msg_N_Zu_Hoch_Text) \
  X(Msg_N_Zu_Hoch_Titel) \
  X(Msg_N_Zu_Hoch_Status) \
  X(Msg_N_Zu_Niedrig_Text) \
  X(Msg_N_Zu_Niedrig_Titel) \
  X(Msg_N_Zu_Niedrig_Status) \
  X(Msg_Menge_Zu_Klein_Text) \
  X(Msg_Menge_Zu_Klein_Titel) \
  X(Msg_Menge_Zu_Klein_Status) \
  X(Msg_AH1_Text) \
  X(Msg_AH1_Titel) \
  X(Msg_AH1_Status) \
  X(Msg_AH2_Text) \
  X(Msg_AH2_Titel) \
  X(Msg_AH2_Status) \
  X(Msg_AE1_Text) \
  X(Msg_AE1_Titel) \
  X(Msg_AE1_Status) \
  X(Msg_AE2_Text) \
  X(Msg_AE2_Titel) \
  X(Msg_AE2_Status) \
  X(Msg_NH1_Text) \
  X(Msg_NH1_Titel) \
  X(Msg_NH1_Status) \
  X(Msg_NH2_Text) \
  X(Msg_NH2_Titel) \
  X(Msg_NH2_Status) \
  X(Msg_NE1_Text) \
  X(Msg_NE1_Titel) \
  X(Msg_NE1_Status) \
  X(Msg_NE2_Text) \
  X(Msg_NE2_Titel) \
  X(Msg_NE2_Status) \
  X(Msg_AEZA_Text) \
  X(Msg_AEZA_Titel) \
  X(Msg_AEZA_Status) \
  X(Msg_Reset_Text) \
  X(Msg_Reset_Titel) \
  X(Msg_Reset_Status_Ok) \
  X(Msg_Reset_Status_Abbruch) \
  X(Msg_Import_Status_Ok) \
  X(Msg_Speichern_Status_Ok) \
  X(Msg_Speichern_Status_Abbruch) \
  X(Msg_Speichern_Fehler_Text) \
  X(Msg_Speichern_Fehler_Titel) \
  X(Msg_Speichern_Fehler_Status) \
  X(Msg_Import_Fehler_Text) \
  X(Msg_Import_Fehler_Titel) \
  X(Msg_Import_Fehler_Status) \
  X(Msg_Aroma_Reset_Text) \
  X(Msg_Aroma_Reset_Titel) \
  X(Msg_Alle_Aromen_Reset_Text) \
  X(Msg_Alle_Aromen_Reset_Titel) \
  X(Msg_Aromen_Null_Text) \
  X(Msg_Aromen_Null_Titel) \
  X(Msg_Tiefe_Status_Treffer_Vor) \
  X(Msg_Tiefe_Status_Treffer_Nach) \
  X(Msg_Tiefe_Status_Treffern_Vor) \
  X(Msg_Tiefe_Status_Treffern_Nach) \
  X(Msg_Abbruch_Status_Treffer_Vor) \
  X(Msg_Abbruch_Status_Treffer_Nach) \
  X(Msg_Abbruch_Status_Treffern_Vor) \
  X(Msg_Abbruch_Status_Treffern_Nach) \
  X(Msg_AH_Rundung_Status) \
  X(Msg_AE_Rundung_Status) \
  X(Msg_NH_Rundung_Status) \
  X(Msg_NE_Rundung_Status) \
  X(Tip_Zu_Viel) \
  X(Tip_Es_Fehlen) \
  X(Tip_Zu_Viel_Dosierung) \

// clang-format on

enum class Msg : int {
#define MIRL_MSG_ENUM(name) name,
  MIRL_MESSAGES(MIRL_MSG_ENUM)
#undef MIRL_MSG_ENUM
  Count
};

inline constexpr int kMessageCount = static_cast<int>(Msg::Count);

enum class Language { German, English };

class MessageTable {
 public:
  const std::string& operator[](Msg m) const { return text_[static_cast<size_t>(m)]; }
  void set(Msg m, std::string text) { text_[static_cast<size_t>(m)] = std::move(text); }

  // The texts of one language, fixed in the program.
  static const std::string& textOf(Msg m, Language lang);
  static std::string_view nameOf(Msg m);
  static std::optional<Msg> byName(std::string_view name);

  // The language of the texts applied last: English when the table holds the
  // English texts, else German (also before the first switch).
  Language language() const;

 private:
  std::array<std::string, kMessageCount> text_{};
};

}  // namespace mirl
