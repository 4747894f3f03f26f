#include "model/main_design.h"

#include <array>

namespace mirl {

namespace {

using namespace access;

// One row of the table: an input and its value(s); nothing for a list.
template <class Input, std::size_t Values = 1>
struct DesignValue {
  Input input;
  std::optional<std::array<std::string_view, Values>> values;
};
using BaseDesign = DesignValue<BaseInput, kBaseSlots>;
using RowDesign = DesignValue<RowInput>;
using WindowDesign = DesignValue<WindowInput>;

constexpr std::string_view kManufacturer = kManufacturerAddress;
constexpr std::string_view kRowMark = "{k}";

constexpr std::array kBaseSlotDesign = {
    BaseDesign{base<&BaseSlot::txt_Hersteller>,
               {{kManufacturer, kManufacturer, kManufacturer, kManufacturer, kManufacturer, kManufacturer}}},
    BaseDesign{base<&BaseSlot::txt_mg_ml>, {{"36", "36", "36", "0", "0", "0"}}},
    BaseDesign{base<&BaseSlot::txt_PG_Prozent>, {{"100", "0", "50", "100", "0", "0"}}},
    BaseDesign{base<&BaseSlot::txt_VG_Prozent>, {{"0", "100", "50", "0", "100", "0"}}},
    BaseDesign{base<&BaseSlot::txt_Wasser_Prozent>, {{"0", "0", "0", "0", "0", "100"}}},
    BaseDesign{base<&BaseSlot::txt_Sonst_Prozent>, {{"0", "0", "0", "0", "0", "0"}}},
    BaseDesign{base<&BaseSlot::txt_Preis_100_ml>, {{"7,77", "8,77", "9,77", "0,77", "1,77", "2,99"}}},
    BaseDesign{base<&BaseSlot::txt_Menge>, {{"0", "0", "0", "0", "0", "0"}}},
    BaseDesign{base<&BaseSlot::cbo_Preis>, std::nullopt},
    BaseDesign{base<&BaseSlot::chk>, {{"0", "0", "0", "0", "0", "1"}}},
};

constexpr std::array kFlavourRowDesign = {
    RowDesign{row<&FlavourRow::txt_Aroma_Kommentar>, {{"Aroma {k}"}}},
    RowDesign{row<&FlavourRow::txt_Aroma_Menge_ml>, {{"0"}}},
    RowDesign{row<&FlavourRow::txt_Aroma_Menge>, {{"0"}}},
    RowDesign{row<&FlavourRow::txt_Aroma_Preis>, {{"{k},77"}}},
    RowDesign{row<&FlavourRow::cbo_Aroma_Preis_Menge>, std::nullopt},
    RowDesign{row<&FlavourRow::chk_Aroma>, {{"0"}}},
};

constexpr std::array kWindowDesign = {
    WindowDesign{window<&FrmMain::txt_Berechnung_Zusammenstellung>, {{"......."}}},
    WindowDesign{window<&FrmMain::txt_Berechnung_Prozent_N>, {{"9"}}},
    WindowDesign{window<&FrmMain::txt_Berechnung_Prozent_PG>, {{"60"}}},
    WindowDesign{window<&FrmMain::txt_Berechnung_Prozent_VG>, {{"40"}}},
    WindowDesign{window<&FrmMain::txt_Berechnung_Prozent_Wasser>, {{"0"}}},
    WindowDesign{window<&FrmMain::txt_Berechnung_Prozent_Sonst>, {{"0"}}},
    WindowDesign{window<&FrmMain::txt_Berechnung_Menge>, {{"1000"}}},
    WindowDesign{window<&FrmMain::txt_Berechnung_Zusatzkosten>, {{"0"}}},
    WindowDesign{window<&FrmMain::txt_Live_Preis_Zusatzkosten>, {{"0"}}},
    WindowDesign{window<&FrmMain::cbo_Preis_Berechnung>, std::nullopt},
    WindowDesign{window<&FrmMain::cbo_Preis_Live>, std::nullopt},
    WindowDesign{window<&FrmMain::chk_AllAromaProzent>, {{"0"}}},
    WindowDesign{modeOption<0>, {{"1"}}},
    WindowDesign{modeOption<1>, {{"0"}}},
    WindowDesign{window<&FrmMain::mnu_Service_Auto_Markierung>, {{"0"}}},
    WindowDesign{window<&FrmMain::mnu_Service_HundertProzentN>, {{"0"}}},
    WindowDesign{window<&FrmMain::mnu_Service_MsgBox>, {{"0"}}},
    WindowDesign{window<&FrmMain::mnu_Service_Farben>, {{"1"}}},
    WindowDesign{window<&FrmMain::mnu_Service_Sprache_Deutsch>, {{"1"}}},
    WindowDesign{window<&FrmMain::mnu_Service_Sprache_English>, {{"0"}}},
};

// The value of an entry for its owner: base slot 0 to 5, flavour row 1 to 7.
std::optional<std::string> valueOf(const BaseDesign& d, int slot) {
  if (!d.values) return std::nullopt;
  return std::string((*d.values)[static_cast<std::size_t>(slot)]);
}
std::optional<std::string> valueOf(const RowDesign& d, int row) {
  if (!d.values) return std::nullopt;
  return withRowNumber((*d.values)[0], row);
}
std::optional<std::string> valueOf(const WindowDesign& d) {
  if (!d.values) return std::nullopt;
  return std::string((*d.values)[0]);
}

}  // namespace

std::string withRowNumber(std::string_view value, int row) {
  std::string out(value);
  const auto at = out.find(kRowMark);
  if (at != std::string::npos) out.replace(at, kRowMark.size(), std::to_string(row));
  return out;
}

std::optional<std::string> designValue(FrmMain& f, const rt::Control& c) {
  for (int s = 0; s < kBaseSlots; ++s) {
    for (const BaseDesign& d : kBaseSlotDesign) {
      if (d.input(f.basis[s]) == &c) return valueOf(d, s);
    }
  }
  for (int k : kFlavourRowNumbers) {
    for (const RowDesign& d : kFlavourRowDesign) {
      if (d.input(f.aroma[k]) == &c) return valueOf(d, k);
    }
  }
  for (const WindowDesign& d : kWindowDesign) {
    if (d.input(f) == &c) return valueOf(d);
  }
  return std::nullopt;
}

void applyDesign(FrmMain& f) {
  for (int s = 0; s < kBaseSlots; ++s) {
    for (const BaseDesign& d : kBaseSlotDesign) {
      if (const auto v = valueOf(d, s)) setInputText(*d.input(f.basis[s]), *v);
    }
  }
  for (int k : kFlavourRowNumbers) {
    for (const RowDesign& d : kFlavourRowDesign) {
      if (const auto v = valueOf(d, k)) setInputText(*d.input(f.aroma[k]), *v);
    }
  }
  for (const WindowDesign& d : kWindowDesign) {
    if (const auto v = valueOf(d)) setInputText(*d.input(f), *v);
  }
}

InputOrder designInputs() {
  return {inputsOf<BaseInput>(kBaseSlotDesign), inputsOf<RowInput>(kFlavourRowDesign), inputsOf<WindowInput>(kWindowDesign)};
}

}  // namespace mirl
