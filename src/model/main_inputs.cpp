#include "model/main_inputs.h"

#include <array>
#include <string>

#include "runtime/number.h"

namespace mirl {

namespace {

using namespace access;

constexpr auto kBaseInputs = std::to_array<BaseInput>({
    base<&BaseSlot::txt_Hersteller>,     base<&BaseSlot::txt_mg_ml>,         base<&BaseSlot::txt_PG_Prozent>,
    base<&BaseSlot::txt_VG_Prozent>,     base<&BaseSlot::txt_Wasser_Prozent>, base<&BaseSlot::txt_Sonst_Prozent>,
    base<&BaseSlot::txt_Preis_100_ml>,   base<&BaseSlot::txt_Menge>,          base<&BaseSlot::cbo_Preis>,
    base<&BaseSlot::chk>,
});

constexpr auto kRowInputs = std::to_array<RowInput>({
    row<&FlavourRow::txt_Aroma_Kommentar>, row<&FlavourRow::txt_Aroma_Menge_ml>,
    row<&FlavourRow::txt_Aroma_Menge>,     row<&FlavourRow::txt_Aroma_Preis>,
    row<&FlavourRow::cbo_Aroma_Preis_Menge>, row<&FlavourRow::chk_Aroma>,
});

constexpr auto kWindowInputs = std::to_array<WindowInput>({
    window<&FrmMain::txt_Berechnung_Zusammenstellung>,
    window<&FrmMain::txt_Berechnung_Prozent_N>,
    window<&FrmMain::txt_Berechnung_Prozent_PG>,
    window<&FrmMain::txt_Berechnung_Prozent_VG>,
    window<&FrmMain::txt_Berechnung_Prozent_Wasser>,
    window<&FrmMain::txt_Berechnung_Prozent_Sonst>,
    window<&FrmMain::txt_Berechnung_Menge>,
    window<&FrmMain::txt_Berechnung_Zusatzkosten>,
    window<&FrmMain::txt_Live_Preis_Zusatzkosten>,
    window<&FrmMain::cbo_Preis_Berechnung>,
    window<&FrmMain::cbo_Preis_Live>,
    window<&FrmMain::chk_AllAromaProzent>,
    modeOption<0>,
    modeOption<1>,
    window<&FrmMain::mnu_Service_Auto_Markierung>,
    window<&FrmMain::mnu_Service_HundertProzentN>,
    window<&FrmMain::mnu_Service_MsgBox>,
    window<&FrmMain::mnu_Service_Farben>,
    window<&FrmMain::mnu_Service_Sprache_Deutsch>,
    window<&FrmMain::mnu_Service_Sprache_English>,
});

}  // namespace

std::span<const BaseInput> baseInputs() { return kBaseInputs; }
std::span<const RowInput> rowInputs() { return kRowInputs; }
std::span<const WindowInput> windowInputs() { return kWindowInputs; }

void setInputText(rt::Control& control, std::string_view text) {
  switch (control.kind()) {
    case rt::ControlKind::TextBox:
      static_cast<rt::TextBox&>(control).setText(std::string(text));
      return;
    case rt::ControlKind::ComboBox: {
      auto& list = static_cast<rt::ComboBox&>(control);
      const auto position = rt::num::toInt16(text);
      if (position && *position >= -1 && *position < list.ListCount()) list.setListIndex(*position);
      return;
    }
    case rt::ControlKind::CheckBox: {
      const auto state = rt::num::toInt16(text);
      if (state && *state >= 0 && *state <= 2) static_cast<rt::CheckBox&>(control).setValue(*state);
      return;
    }
    case rt::ControlKind::OptionButton:
      if (const auto set = rt::num::toBool(text)) static_cast<rt::OptionButton&>(control).setValue(*set);
      return;
    case rt::ControlKind::Menu:
      if (const auto set = rt::num::toBool(text)) static_cast<rt::MenuItem&>(control).setChecked(*set);
      return;
    default:
      return;
  }
}

}  // namespace mirl
