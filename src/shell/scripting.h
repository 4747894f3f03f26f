#pragma once
// Shared values and public procedures by name, for the scenario driver and
// the tests: the flags, the proposal lists and their indexes, the
// flavour-composition table, the previous flavour percentages, the viscosity
// factors and every text of the message table.
//
// Names: Vorschlag_Index, Vorschlag_Letzter_Index, Vorschlaege_Vorhanden,
// Berechnung_Abbrechen, Annaeherung_Aktiv, Farbige_Hintergruende,
// Live_Mix_Markierung, AllAromaProzent_War_Aktiv, Viskositaet_PG,
// Viskositaet_VG, Viskositaet_Wasser, Viskositaet_Sonst, dpA_Name,
// Aroma_Menge_Alt(K) and Aromen_Tabelle(K).F (K 1 to 7; F one of A N PG VG
// W S), Vorschlagsliste(I).F and Trefferliste(I).F (I 0 to 77, F 1 to 15),
// and the message-table entries (Text_Btn_Berechnen, Msg_AH1_Status, ...).
#include <optional>
#include <string_view>

#include "runtime/value.h"

namespace mirl {

class App;

// The value, or nothing for a name that is no shared value. Flags are truth
// values, numbers doubles, names and message texts texts.
std::optional<rt::Value> getGlobal(App& app, std::string_view name);

// Writes a shared value; false for an unknown name or a value of the wrong
// kind (a flag takes a truth value or a number, non-zero meaning true).
bool setGlobal(App& app, std::string_view name, const rt::Value& value);

// Runs a public procedure without arguments by its name; false when there is
// no such procedure.
bool callProcedure(App& app, std::string_view name);

}  // namespace mirl
