#include "shell/factory_reset.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <vector>

#include "context/app.h"
#include "model/control_access.h"
#include "model/main_design.h"
#include "model/quantity_lists.h"
#include "model/refresh.h"
#include "solver/proposals.h"
#include "support/status_line.h"

namespace mirl {

namespace {

using namespace access;

// One input of the factory state, in the order the reset writes it. Its
// value is the design value of the control, except for a list, whose
// position is given here (lists are filled at start-up and hold no design
// value).
template <class Input, std::size_t Values = 1>
struct FactoryValue {
  Input input;
  std::optional<std::array<int, Values>> listPosition{};
};
using BaseFactory = FactoryValue<BaseInput, kBaseSlots>;
using RowFactory = FactoryValue<RowInput>;
using WindowFactory = FactoryValue<WindowInput>;

// The options, before the colour flag is set.
constexpr std::array kOptions = {
    WindowFactory{window<&FrmMain::chk_AllAromaProzent>},
    WindowFactory{window<&FrmMain::mnu_Service_Auto_Markierung>},
    WindowFactory{window<&FrmMain::mnu_Service_HundertProzentN>},
    WindowFactory{window<&FrmMain::mnu_Service_MsgBox>},
    WindowFactory{window<&FrmMain::mnu_Service_Farben>},
};

// The target, the extra costs, the two price lists and the mode.
constexpr std::array kTarget = {
    WindowFactory{window<&FrmMain::txt_Berechnung_Zusammenstellung>},
    WindowFactory{window<&FrmMain::txt_Berechnung_Menge>},
    WindowFactory{window<&FrmMain::txt_Berechnung_Prozent_N>},
    WindowFactory{window<&FrmMain::txt_Berechnung_Prozent_PG>},
    WindowFactory{window<&FrmMain::txt_Berechnung_Prozent_VG>},
    WindowFactory{window<&FrmMain::txt_Berechnung_Prozent_Wasser>},
    WindowFactory{window<&FrmMain::txt_Berechnung_Prozent_Sonst>},
    WindowFactory{window<&FrmMain::txt_Berechnung_Zusatzkosten>},
    WindowFactory{window<&FrmMain::txt_Live_Preis_Zusatzkosten>},
    WindowFactory{window<&FrmMain::cbo_Preis_Berechnung>, std::array{kQuantity100ml}},
    WindowFactory{window<&FrmMain::cbo_Preis_Live>, std::array{kQuantity100ml}},
    WindowFactory{modeOption<0>},
    WindowFactory{modeOption<1>},
};

// Each base in slot order, its fields in this order.
constexpr std::array kBase = {
    BaseFactory{base<&BaseSlot::txt_Hersteller>},
    BaseFactory{base<&BaseSlot::txt_Menge>},
    BaseFactory{base<&BaseSlot::txt_mg_ml>},
    BaseFactory{base<&BaseSlot::txt_PG_Prozent>},
    BaseFactory{base<&BaseSlot::txt_VG_Prozent>},
    BaseFactory{base<&BaseSlot::txt_Wasser_Prozent>},
    BaseFactory{base<&BaseSlot::txt_Sonst_Prozent>},
    BaseFactory{base<&BaseSlot::txt_Preis_100_ml>},
    BaseFactory{base<&BaseSlot::cbo_Preis>, std::array{kQuantity100ml, kQuantity100ml, kQuantity100ml,
                                                       kQuantity100ml, kQuantity100ml, kQuantity5Litres}},
    BaseFactory{base<&BaseSlot::chk>},
};

// Each flavour row from 1 to 7, its fields in this order.
constexpr std::array kRow = {
    RowFactory{row<&FlavourRow::txt_Aroma_Kommentar>},
    RowFactory{row<&FlavourRow::txt_Aroma_Menge>},
    RowFactory{row<&FlavourRow::txt_Aroma_Menge_ml>},
    RowFactory{row<&FlavourRow::txt_Aroma_Preis>},
    RowFactory{row<&FlavourRow::cbo_Aroma_Preis_Menge>, std::array{kQuantity1ml}},
    RowFactory{row<&FlavourRow::chk_Aroma>},
};

// The inputs the reset leaves: the language stays.
constexpr auto kKept = std::to_array<WindowInput>({window<&FrmMain::mnu_Service_Sprache_Deutsch>,
                                                  window<&FrmMain::mnu_Service_Sprache_English>});

// Writes one factory value into control c of f (position `at` of the
// entry's values).
template <class Entry>
void put(FrmMain& f, rt::Control& c, const Entry& entry, std::size_t at) {
  if (entry.listPosition) {
    static_cast<rt::ComboBox&>(c).setListIndex((*entry.listPosition)[at]);
  } else if (const auto design = designValue(f, c)) {
    setInputText(c, *design);
  }
}

template <class Owner, class Table>
void putAll(FrmMain& f, Owner& owner, const Table& table, std::size_t at) {
  for (const auto& entry : table) put(f, *entry.input(owner), entry, at);
}

}  // namespace

void Reset_Auslieferungszustand(App& app) {
  FrmMain& f = app.main();
  resetProposals(app.solver);
  app.solver.Vorschlaege_Vorhanden = false;
  putAll(f, f, kOptions, 0);
  app.model.Farbige_Hintergruende = true;
  putAll(f, f, kTarget, 0);
  for (int s = 0; s < kBaseSlots; ++s) putAll(f, f.basis[static_cast<std::size_t>(s)], kBase, static_cast<std::size_t>(s));
  for (int k : kFlavourRowNumbers) putAll(f, f.aroma[k], kRow, 0);
  Aromen_Tabelle_Standardwerte(app.flavours);
}

InputOrder resetInputs() {
  InputOrder order{inputsOf<BaseInput>(kBase), inputsOf<RowInput>(kRow), inputsOf<WindowInput>(kOptions, kTarget)};
  order.window.insert(order.window.end(), kKept.begin(), kKept.end());
  return order;
}

void frm_Main_btn_Reset_Click(App& app) {
  // A confirmation: asked whether message boxes are on or off.
  const int answer = app.host().messageBox(app.texts[Msg::Msg_Reset_Text], rt::mb::YesNo, app.texts[Msg::Msg_Reset_Titel]);
  if (answer != rt::mb::Yes) {
    Statusleiste_Text(app, app.texts[Msg::Msg_Reset_Status_Abbruch]);
    return;
  }
  Reset_Auslieferungszustand(app);
  Anzeige_Aktualisieren(app);
  Statusleiste_Text(app, app.texts[Msg::Msg_Reset_Status_Ok]);
}

}  // namespace mirl
