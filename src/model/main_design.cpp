#include "model/main_design.h"

#include "model/control_access.h"

namespace mirl {

namespace {

using namespace access;

constexpr auto Text = DesignProperty::Text;
constexpr auto Tick = DesignProperty::Value;
constexpr auto Checked = DesignProperty::Checked;

constexpr std::string_view kManufacturer = kManufacturerAddress;
constexpr std::string_view kRowMark = "{k}";

constexpr std::array kBaseSlotDesign = {
    BaseDesign{base<&BaseSlot::txt_Hersteller>, Text,
               {kManufacturer, kManufacturer, kManufacturer, kManufacturer, kManufacturer, kManufacturer}},
    BaseDesign{base<&BaseSlot::txt_mg_ml>, Text, {"36", "36", "36", "0", "0", "0"}},
    BaseDesign{base<&BaseSlot::txt_PG_Prozent>, Text, {"100", "0", "50", "100", "0", "0"}},
    BaseDesign{base<&BaseSlot::txt_VG_Prozent>, Text, {"0", "100", "50", "0", "100", "0"}},
    BaseDesign{base<&BaseSlot::txt_Wasser_Prozent>, Text, {"0", "0", "0", "0", "0", "100"}},
    BaseDesign{base<&BaseSlot::txt_Sonst_Prozent>, Text, {"0", "0", "0", "0", "0", "0"}},
    BaseDesign{base<&BaseSlot::txt_Preis_100_ml>, Text, {"7,77", "8,77", "9,77", "0,77", "1,77", "2,99"}},
    BaseDesign{base<&BaseSlot::txt_Menge>, Text, {"0", "0", "0", "0", "0", "0"}},
    BaseDesign{base<&BaseSlot::chk>, Tick, {"0", "0", "0", "0", "0", "1"}},
};

constexpr std::array kFlavourRowDesign = {
    RowDesign{row<&FlavourRow::txt_Aroma_Kommentar>, Text, {"Aroma {k}"}},
    RowDesign{row<&FlavourRow::txt_Aroma_Menge_ml>, Text, {"0"}},
    RowDesign{row<&FlavourRow::txt_Aroma_Menge>, Text, {"0"}},
    RowDesign{row<&FlavourRow::txt_Aroma_Preis>, Text, {"{k},77"}},
    RowDesign{row<&FlavourRow::chk_Aroma>, Tick, {"0"}},
};

constexpr std::array kWindowDesign = {
    WindowDesign{window<&FrmMain::txt_Berechnung_Zusammenstellung>, Text, {"......."}},
    WindowDesign{window<&FrmMain::txt_Berechnung_Prozent_N>, Text, {"9"}},
    WindowDesign{window<&FrmMain::txt_Berechnung_Prozent_PG>, Text, {"60"}},
    WindowDesign{window<&FrmMain::txt_Berechnung_Prozent_VG>, Text, {"40"}},
    WindowDesign{window<&FrmMain::txt_Berechnung_Prozent_Wasser>, Text, {"0"}},
    WindowDesign{window<&FrmMain::txt_Berechnung_Prozent_Sonst>, Text, {"0"}},
    WindowDesign{window<&FrmMain::txt_Berechnung_Menge>, Text, {"1000"}},
    WindowDesign{window<&FrmMain::txt_Berechnung_Zusatzkosten>, Text, {"0"}},
    WindowDesign{window<&FrmMain::txt_Live_Preis_Zusatzkosten>, Text, {"0"}},
    WindowDesign{window<&FrmMain::chk_AllAromaProzent>, Tick, {"0"}},
    WindowDesign{modeOption<0>, DesignProperty::Selected, {"1"}},
    WindowDesign{modeOption<1>, DesignProperty::Selected, {"0"}},
    WindowDesign{window<&FrmMain::mnu_Service_Auto_Markierung>, Checked, {"0"}},
    WindowDesign{window<&FrmMain::mnu_Service_HundertProzentN>, Checked, {"0"}},
    WindowDesign{window<&FrmMain::mnu_Service_MsgBox>, Checked, {"0"}},
    WindowDesign{window<&FrmMain::mnu_Service_Farben>, Checked, {"1"}},
    WindowDesign{window<&FrmMain::mnu_Service_Sprache_Deutsch>, Checked, {"1"}},
    WindowDesign{window<&FrmMain::mnu_Service_Sprache_English>, Checked, {"0"}},
};

}  // namespace

std::span<const BaseDesign> baseSlotDesign() { return kBaseSlotDesign; }
std::span<const RowDesign> flavourRowDesign() { return kFlavourRowDesign; }
std::span<const WindowDesign> windowDesign() { return kWindowDesign; }

std::string_view designValue(const BaseDesign& entry, int slot) { return entry.values[static_cast<std::size_t>(slot)]; }

std::string designValue(const RowDesign& entry, int row) { return withRowNumber(entry.values[0], row); }

std::string withRowNumber(std::string_view value, int row) {
  std::string out(value);
  const auto at = out.find(kRowMark);
  if (at != std::string::npos) out.replace(at, kRowMark.size(), std::to_string(row));
  return out;
}

std::optional<DesignSetting> designSetting(FrmMain& f, const rt::Control& c) {
  for (int s = 0; s < kBaseSlots; ++s) {
    for (const BaseDesign& d : kBaseSlotDesign) {
      if (d.control(f.basis[s]) == &c) return DesignSetting{d.property, std::string(designValue(d, s))};
    }
  }
  for (int k : kFlavourRowNumbers) {
    for (const RowDesign& d : kFlavourRowDesign) {
      if (d.control(f.aroma[k]) == &c) return DesignSetting{d.property, designValue(d, k)};
    }
  }
  for (const WindowDesign& d : kWindowDesign) {
    if (d.control(f) == &c) return DesignSetting{d.property, std::string(d.values[0])};
  }
  return std::nullopt;
}

void setDesignValue(rt::Control& control, DesignProperty property, std::string_view value) {
  const bool set = value != "0";
  switch (property) {
    case DesignProperty::Text:
      static_cast<rt::TextBox&>(control).setText(std::string(value));
      return;
    case DesignProperty::Value:
      static_cast<rt::CheckBox&>(control).setValue(set ? 1 : 0);
      return;
    case DesignProperty::Selected:
      static_cast<rt::OptionButton&>(control).setValue(set);
      return;
    case DesignProperty::Checked:
      static_cast<rt::MenuItem&>(control).setChecked(set);
      return;
  }
}

void applyDesign(FrmMain& f) {
  for (int s = 0; s < kBaseSlots; ++s) {
    for (const BaseDesign& d : kBaseSlotDesign) setDesignValue(*d.control(f.basis[s]), d.property, designValue(d, s));
  }
  for (int k : kFlavourRowNumbers) {
    for (const RowDesign& d : kFlavourRowDesign) setDesignValue(*d.control(f.aroma[k]), d.property, designValue(d, k));
  }
  for (const WindowDesign& d : kWindowDesign) setDesignValue(*d.control(f), d.property, d.values[0]);
}

}  // namespace mirl
