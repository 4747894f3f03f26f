#pragma once
// Tables that name a control of a base group, a flavour row or the main
// window hold a function that picks it from its owner: base<&BaseSlot::chk>,
// row<&FlavourRow::txt_Aroma_Menge>, window<&FrmMain::txt_Berechnung_Menge>,
// modeOption<0>.
#include "model/frm_main.h"

namespace mirl::access {

template <auto Member, class Owner>
rt::Control* member(Owner& owner) {
  return owner.*Member;
}

template <auto Member>
constexpr auto base = member<Member, BaseSlot>;
template <auto Member>
constexpr auto row = member<Member, FlavourRow>;
template <auto Member>
constexpr auto window = member<Member, FrmMain>;

template <int Index>
rt::Control* modeOption(FrmMain& f) {
  return f.opt_Berechnungsauswahl[Index];
}

}  // namespace mirl::access
