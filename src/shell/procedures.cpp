// The public procedures without arguments that scenarios and tests may run
// by name. Each subsystem adds one line per procedure.
#include <string_view>

#include "context/app.h"
#include "conversions/handlers.h"
#include "conversions/nicotine_flavours.h"
#include "flavours/flavour_checks.h"
#include "flavours/flavour_exchange.h"
#include "flavours/flavour_table.h"
#include "model/base_prices.h"
#include "model/enable_modes.h"
#include "model/live.h"
#include "model/quantity_lists.h"
#include "model/refresh.h"
#include "model/sum_checks.h"
#include "shell/factory_reset.h"
#include "shell/lifecycle.h"
#include "shell/scripting.h"
#include "solver/approximation.h"
#include "solver/hit_search.h"
#include "support/language.h"

namespace mirl {

namespace {

struct Procedure {
  std::string_view name;
  void (*run)(App&);
};

const Procedure kProcedures[] = {
    {"Aromen_Tabelle_Standardwerte", [](App& a) { Aromen_Tabelle_Standardwerte(a.flavours); }},
    {"frm_Main_Form_Load", [](App& a) { frm_Main_Form_Load(a); }},
    {"Reset_Auslieferungszustand", [](App& a) { Reset_Auslieferungszustand(a); }},
    {"Live_Menge_Summieren", [](App& a) { Live_Menge_Summieren(a); }},
    {"Preis_Berechnen_Live", [](App& a) { Preis_Berechnen_Live(a); }},
    {"Preis_Berechnen_Berechnung", [](App& a) { Preis_Berechnen_Berechnung(a); }},
    {"Live_Analyse_Aktualisieren", [](App& a) { Live_Analyse_Aktualisieren(a); }},
    {"Live_Viskositaet_Berechnen", [](App& a) { Live_Viskositaet_Berechnen(a); }},
    {"Hintergrundfarben_Setzen", [](App& a) { Hintergrundfarben_Setzen(a); }},
    {"Anzeige_Aktualisieren", [](App& a) { Anzeige_Aktualisieren(a); }},
    {"Mengenauswahl_Fuellen", [](App& a) { Mengenauswahl_Fuellen(a); }},
    {"Aromen_Freigabe_Aktualisieren", [](App& a) { Aromen_Freigabe_Aktualisieren(a); }},
    {"Modus_Freigabe_Aktualisieren", [](App& a) { Modus_Freigabe_Aktualisieren(a); }},
    {"Basis_Preis_Summen_Berechnen", [](App& a) { Basis_Preis_Summen_Berechnen(a); }},
    {"Berechnung_Summe_Pruefen", [](App& a) { Berechnung_Summe_Pruefen(a); }},
    {"Aromen_Summe_Pruefen", [](App& a) { Aromen_Summe_Pruefen(a); }},
    {"Berechnung_Treffersuche", [](App& a) { Berechnung_Treffersuche(a); }},
    {"Annaeherung_Suche_V1", [](App& a) { a.solver.Vorschlaege_Vorhanden = Annaeherung_Suche_V1(a); }},
    {"Sprache_Deutsch_Laden", [](App& a) { Sprache_Deutsch_Laden(a); }},
    {"Sprache_English_Laden", [](App& a) { Sprache_English_Laden(a); }},
    {"chk_AllAromaProzent_Imitate", [](App& a) { chk_AllAromaProzent_Imitate(a); }},
    {"Alle_Aromen_HundertProzentN_Umrechnen", [](App& a) { Alle_Aromen_HundertProzentN_Umrechnen(a); }},
    {"Alle_Aromen_HundertProzentN_Rueckrechnen", [](App& a) { Alle_Aromen_HundertProzentN_Rueckrechnen(a); }},
    {"Aromen_Fenster_Aktualisieren", [](App& a) { Aromen_Fenster_Aktualisieren(a); }},
    {"Aromen_Fenster_In_Tabelle", [](App& a) { Aromen_Fenster_In_Tabelle(a); }},
    {"Aromen_Tabelle_In_Fenster", [](App& a) { Aromen_Tabelle_In_Fenster(a); }},
};

}  // namespace

bool callProcedure(App& app, std::string_view name) {
  for (const Procedure& p : kProcedures) {
    if (p.name == name) {
      p.run(app);
      return true;
    }
  }
  return false;
}

}  // namespace mirl
