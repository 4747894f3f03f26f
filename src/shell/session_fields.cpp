#include "shell/session_fields.h"

#include <algorithm>
#include <array>

#include "flavours/flavour_table.h"
#include "model/control_access.h"
#include "model/frm_main.h"
#include "model/main_design.h"
#include "model/quantity_lists.h"
#include "runtime/number.h"

namespace mirl {

namespace {

using namespace access;

// A key of every base section, with the default a missing key reads as per
// slot; none given: the design value.
struct BaseKey {
  BaseInput input;
  std::optional<std::array<std::string_view, kBaseSlots>> readDefault;
};

// A key of every flavour row; "{k}" in the default stands for the row.
struct RowKey {
  RowInput input;
  std::optional<std::string_view> readDefault;
};

struct WindowKey {
  std::string_view section;
  WindowInput input;
  std::optional<std::string_view> readDefault;
};

constexpr std::nullopt_t kDesign = std::nullopt;
constexpr std::string_view k1ml = quantityPositionText(kQuantity1ml);
constexpr std::string_view k5ml = quantityPositionText(kQuantity5ml);
constexpr std::string_view k100ml = quantityPositionText(kQuantity100ml);

constexpr std::array kBaseKeys = {
    BaseKey{base<&BaseSlot::txt_Hersteller>, kDesign},
    BaseKey{base<&BaseSlot::txt_mg_ml>, kDesign},
    // The last slot is designed as distilled water (its caption says so):
    // its missing PG and VG keys read as 0 and its water key as the design's
    // 100, so that it reads as water, not as a 60/40 mix.
    BaseKey{base<&BaseSlot::txt_PG_Prozent>, {{"100", "0", "60", "100", "0", "0"}}},
    BaseKey{base<&BaseSlot::txt_VG_Prozent>, {{"0", "100", "40", "0", "100", "0"}}},
    BaseKey{base<&BaseSlot::txt_Wasser_Prozent>, kDesign},
    BaseKey{base<&BaseSlot::txt_Sonst_Prozent>, kDesign},
    BaseKey{base<&BaseSlot::txt_Preis_100_ml>, {{"7,77", "7,77", "7,77", "7,77", "7,77", "7,77"}}},
    BaseKey{base<&BaseSlot::txt_Menge>, kDesign},
    BaseKey{base<&BaseSlot::cbo_Preis>, {{k100ml, k100ml, k100ml, k100ml, k100ml, k100ml}}},
    BaseKey{base<&BaseSlot::chk>, {{"0", "0", "0", "0", "0", "0"}}},
};

constexpr std::array kRowKeys = {
    RowKey{row<&FlavourRow::txt_Aroma_Kommentar>, kDesign},
    RowKey{row<&FlavourRow::txt_Aroma_Menge_ml>, kDesign},
    RowKey{row<&FlavourRow::txt_Aroma_Menge>, kDesign},
    RowKey{row<&FlavourRow::txt_Aroma_Preis>, "1,77"},
    RowKey{row<&FlavourRow::cbo_Aroma_Preis_Menge>, k5ml},
    RowKey{row<&FlavourRow::chk_Aroma>, kDesign},
};

constexpr std::array kWindowKeys = {
    WindowKey{kSectionBerechnung, window<&FrmMain::txt_Berechnung_Zusammenstellung>, "Name der Zusammenstellung"},
    WindowKey{kSectionBerechnung, window<&FrmMain::txt_Berechnung_Prozent_N>, kDesign},
    WindowKey{kSectionBerechnung, window<&FrmMain::txt_Berechnung_Prozent_PG>, kDesign},
    WindowKey{kSectionBerechnung, window<&FrmMain::txt_Berechnung_Prozent_VG>, kDesign},
    WindowKey{kSectionBerechnung, window<&FrmMain::txt_Berechnung_Prozent_Wasser>, kDesign},
    WindowKey{kSectionBerechnung, window<&FrmMain::txt_Berechnung_Prozent_Sonst>, kDesign},
    WindowKey{kSectionBerechnung, window<&FrmMain::txt_Berechnung_Menge>, "77"},
    WindowKey{kSectionBerechnung, window<&FrmMain::txt_Berechnung_Zusatzkosten>, kDesign},
    WindowKey{kSectionBerechnung, window<&FrmMain::txt_Live_Preis_Zusatzkosten>, kDesign},
    WindowKey{kSectionBerechnung, window<&FrmMain::cbo_Preis_Berechnung>, k1ml},
    WindowKey{kSectionBerechnung, window<&FrmMain::chk_AllAromaProzent>, kDesign},
    WindowKey{kSectionGlobal, modeOption<0>, kDesign},
    WindowKey{kSectionGlobal, modeOption<1>, kDesign},
    WindowKey{kSectionGlobal, window<&FrmMain::mnu_Service_Auto_Markierung>, kDesign},
    WindowKey{kSectionGlobal, window<&FrmMain::mnu_Service_HundertProzentN>, kDesign},
    WindowKey{kSectionGlobal, window<&FrmMain::mnu_Service_MsgBox>, kDesign},
    WindowKey{kSectionGlobal, window<&FrmMain::mnu_Service_Farben>, kDesign},
    WindowKey{kSectionGlobal, window<&FrmMain::mnu_Service_Sprache_Deutsch>, kDesign},
    WindowKey{kSectionGlobal, window<&FrmMain::mnu_Service_Sprache_English>, kDesign},
};

// The input no key keeps: the live panel's price list starts at its
// start-up position.
constexpr auto kNotKept = std::to_array<WindowInput>({window<&FrmMain::cbo_Preis_Live>});

// The six fields of a flavour record, in the order of the file.
constexpr std::array<std::pair<std::string_view, double Aromenzusammensetzung::*>, 6> kRecordFields = {{
    {"A", &Aromenzusammensetzung::A},
    {"N", &Aromenzusammensetzung::N},
    {"PG", &Aromenzusammensetzung::PG},
    {"VG", &Aromenzusammensetzung::VG},
    {"W", &Aromenzusammensetzung::W},
    {"S", &Aromenzusammensetzung::S},
}};

FieldKind kindOf(const rt::Control& c) {
  switch (c.kind()) {
    case rt::ControlKind::ComboBox:
      return FieldKind::List;
    case rt::ControlKind::CheckBox:
      return FieldKind::Tick;
    case rt::ControlKind::OptionButton:
    case rt::ControlKind::Menu:
      return FieldKind::Mark;
    default:
      return FieldKind::Text;
  }
}

// The default given, else the control's design value.
std::string readDefaultOf(FrmMain& f, const rt::Control& c, std::optional<std::string> given) {
  if (given) return *given;
  return designValue(f, c).value_or("");
}

SessionField controlField(std::string_view section, rt::Control* c, std::string readDefault) {
  SessionField field;
  field.section = section;
  field.key = sessionKey(c->kind(), c->name(), c->index());
  field.kind = kindOf(*c);
  field.readDefault = std::move(readDefault);
  field.control = c;
  return field;
}

constexpr std::string_view kTextPrefix = "txt_";

std::string_view withoutTextPrefix(std::string_view name) {
  return name.starts_with(kTextPrefix) ? name.substr(kTextPrefix.size()) : name;
}

}  // namespace

std::string sessionKey(rt::ControlKind kind, std::string_view name, int index) {
  if (kind == rt::ControlKind::OptionButton) return std::string(name) + std::to_string(index + 1);
  const std::string row = index >= 0 ? std::to_string(index) : "";
  switch (kind) {
    case rt::ControlKind::TextBox:
      return index >= 0 ? row + "_" + std::string(withoutTextPrefix(name)) : std::string(withoutTextPrefix(name));
    case rt::ControlKind::ComboBox:
      return index >= 0 ? row + "_cbo_" + std::string(name) : std::string(name);
    case rt::ControlKind::CheckBox:
      return index >= 0 ? row + "_chk_" + std::string(name) : std::string(name);
    default:
      return std::string(name);
  }
}

std::string tableKey(int record, std::string_view field) {
  return "dpA" + std::to_string(record) + "_" + std::string(field);
}

std::vector<SessionField> sessionFields(FrmMain& f, FlavourTable& table) {
  std::vector<SessionField> fields;
  for (int s = 0; s < kBaseSlots; ++s) {
    for (const BaseKey& k : kBaseKeys) {
      rt::Control* c = k.input(f.basis[static_cast<size_t>(s)]);
      std::optional<std::string> given;
      if (k.readDefault) given = std::string((*k.readDefault)[static_cast<size_t>(s)]);
      fields.push_back(controlField(kBaseSlotNames[static_cast<size_t>(s)].section, c, readDefaultOf(f, *c, given)));
    }
  }
  for (int r : kFlavourRowNumbers) {
    for (const RowKey& k : kRowKeys) {
      rt::Control* c = k.input(f.aroma[r]);
      std::optional<std::string> given;
      if (k.readDefault) given = withRowNumber(*k.readDefault, r);
      fields.push_back(controlField(kSectionAromen, c, readDefaultOf(f, *c, given)));
    }
  }
  for (const WindowKey& k : kWindowKeys) {
    rt::Control* c = k.input(f);
    std::optional<std::string> given;
    if (k.readDefault) given = std::string(*k.readDefault);
    fields.push_back(controlField(k.section, c, readDefaultOf(f, *c, given)));
  }
  for (int r : kFlavourRowNumbers) {
    for (const auto& [name, field] : kRecordFields) {
      SessionField number;
      number.section = kSectionTable;
      number.key = tableKey(r, name);
      number.kind = FieldKind::Number;
      number.readDefault = "0";
      number.number = &(table.Aromen_Tabelle[r].*field);
      fields.push_back(std::move(number));
    }
  }
  SessionField name;
  name.section = kSectionTable;
  name.key = "dpA_Name";
  name.kind = FieldKind::Name;
  name.readDefault = ".......";
  name.name = &table.dpA_Name;
  fields.push_back(std::move(name));
  return fields;
}

std::string fieldValue(const SessionField& field) {
  switch (field.kind) {
    case FieldKind::Text:
      return static_cast<const rt::TextBox&>(*field.control).Text();
    case FieldKind::List:
      return std::to_string(static_cast<const rt::ComboBox&>(*field.control).ListIndex());
    case FieldKind::Tick:
      return std::to_string(static_cast<const rt::CheckBox&>(*field.control).Value());
    case FieldKind::Mark: {
      const bool set = field.control->kind() == rt::ControlKind::OptionButton
                           ? static_cast<const rt::OptionButton&>(*field.control).Value()
                           : static_cast<const rt::MenuItem&>(*field.control).Checked();
      return set ? "-1" : "0";
    }
    case FieldKind::Number:
      return tableNumberText(*field.number);
    case FieldKind::Name:
      return *field.name;
  }
  return {};
}

void applyFieldValue(const SessionField& field, std::string_view value) {
  switch (field.kind) {
    case FieldKind::Number:
      if (const auto number = readTableNumber(value)) *field.number = *number;
      return;
    case FieldKind::Name:
      *field.name = std::string(value);
      return;
    default:
      setInputText(*field.control, value);
      return;
  }
}

InputOrder sessionInputs() {
  InputOrder order{inputsOf<BaseInput>(kBaseKeys), inputsOf<RowInput>(kRowKeys), inputsOf<WindowInput>(kWindowKeys)};
  order.window.insert(order.window.end(), kNotKept.begin(), kNotKept.end());
  return order;
}

std::string tableNumberText(double value) { return rt::num::exact(value); }

std::optional<double> readTableNumber(std::string_view text) {
  if (text.find(',') == std::string_view::npos && std::count(text.begin(), text.end(), '.') == 1) {
    std::string withComma(text);
    withComma[withComma.find('.')] = ',';
    return rt::num::parse(withComma);
  }
  return rt::num::parse(text);
}

}  // namespace mirl
