#include "solver/plausibility.h"

#include <array>

#include "context/app.h"
#include "model/composition.h"
#include "model/field_value.h"
#include "solver/solver_messages.h"

namespace mirl {

namespace {
struct Refusal {
  Msg text, title, status;
};
constexpr Refusal kKeineBasis{Msg::Msg_Keine_Basis_Text, Msg::Msg_Keine_Basis_Titel, Msg::Msg_Keine_Basis_Status};
constexpr Refusal kEineBasis{Msg::Msg_Eine_Basis_Text, Msg::Msg_Eine_Basis_Titel, Msg::Msg_Eine_Basis_Status};
constexpr Refusal kEinNwert{Msg::Msg_Ein_Nwert_Text, Msg::Msg_Ein_Nwert_Titel, Msg::Msg_Ein_Nwert_Status};
constexpr Refusal kNZuHoch{Msg::Msg_N_Zu_Hoch_Text, Msg::Msg_N_Zu_Hoch_Titel, Msg::Msg_N_Zu_Hoch_Status};
constexpr Refusal kNZuNiedrig{Msg::Msg_N_Zu_Niedrig_Text, Msg::Msg_N_Zu_Niedrig_Titel, Msg::Msg_N_Zu_Niedrig_Status};
constexpr Refusal kMengeZuKlein{Msg::Msg_Menge_Zu_Klein_Text, Msg::Msg_Menge_Zu_Klein_Titel,
                                Msg::Msg_Menge_Zu_Klein_Status};

bool refuse(App& app, const Refusal& r) {
  showMessage(app, r.text, r.title, r.status);
  return true;
}
}  // namespace

bool Nikotin_Basen_Pruefen(App& app) {
  FrmMain& w = app.main();

  // A field that gives no number counts as 0.
  const Composition wanted = readTarget(w);
  const double target = wanted.N;
  std::array<double, kBaseSlots> strength{};
  std::array<bool, kBaseSlots> ticked{};
  for (int s = 0; s < kBaseSlots; ++s) readField(*w.basis[s].txt_mg_ml, strength[s]);
  int count = 0;
  for (int s = 0; s < kBaseSlots; ++s) {
    ticked[s] = w.basis[s].chk->Value() != 0;
    if (ticked[s]) ++count;
  }

  if (count < 2) {
    refuse(app, count == 0 ? kKeineBasis : kEineBasis);
    w.setMousePointer(rt::pointer::Default);
    return true;
  }

  double highest = 0;
  for (int s = 0; s < kBaseSlots; ++s) {
    if (ticked[s] && strength[s] > highest) highest = strength[s];
  }
  double lowest = highest;
  for (int s = 0; s < kBaseSlots; ++s) {
    if (ticked[s] && strength[s] < lowest) lowest = strength[s];
  }

  if (highest == lowest && target != highest) return refuse(app, kEinNwert);
  if (target > highest) return refuse(app, kNZuHoch);
  if (target < lowest) return refuse(app, kNZuNiedrig);
  if (wanted.amount < 2.0) return refuse(app, kMengeZuKlein);
  return false;
}

}  // namespace mirl
