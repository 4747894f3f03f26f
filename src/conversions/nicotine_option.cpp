// The menu option "100 % calculation including nicotine": flips the check
// mark and converts the target, the six bases and the seven flavour
// compositions into the new view. With the flavour-share box ticked, the
// flavour share leaves the target in the old view and returns in the new one.
#include <array>

#include "context/app.h"
#include "conversions/handlers.h"
#include "conversions/nicotine_flavours.h"
#include "conversions/nicotine_groups.h"
#include "model/refresh.h"

namespace mirl {

namespace {

// The target first, then the six bases in slot order.
std::array<NicotineGroup, 1 + kBaseSlots> nicotineGroups(FrmMain& f) {
  std::array<NicotineGroup, 1 + kBaseSlots> g{};
  const auto t = f.targetFields();
  g[0] = {t[0], t[1], t[2], t[3], t[4]};
  for (int s = 0; s < kBaseSlots; ++s) {
    const BaseSlot& b = f.basis[static_cast<size_t>(s)];
    g[static_cast<size_t>(s) + 1] = {b.txt_mg_ml, b.txt_PG_Prozent, b.txt_VG_Prozent, b.txt_Wasser_Prozent,
                                     b.txt_Sonst_Prozent};
  }
  return g;
}

// Code sets the flavour-share box without raising Click and runs its
// handler itself, so that the conversion runs exactly once.
void setFlavourShare(App& app, int value) {
  app.main().chk_AllAromaProzent->setValueSilently(value);
  frm_Main_chk_AllAromaProzent_Click(app);
}

}  // namespace

void frm_Main_mnu_Service_HundertProzentN_Click(App& app) {
  FrmMain& f = app.main();
  const bool flavoursIncluded = f.flavourShareInside();
  if (flavoursIncluded) setFlavourShare(app, 0);

  // Each group converts on its own; one that fails keeps its values and
  // stops nothing.
  if (f.nicotineInside()) {
    f.mnu_Service_HundertProzentN->setChecked(false);
    for (const NicotineGroup& g : nicotineGroups(f)) Nikotin_Herausrechnen_NE(app, g);
    Alle_Aromen_HundertProzentN_Rueckrechnen(app);
  } else {
    f.mnu_Service_HundertProzentN->setChecked(true);
    for (const NicotineGroup& g : nicotineGroups(f)) Nikotin_Hinzurechnen_NH(app, g);
    Alle_Aromen_HundertProzentN_Umrechnen(app);
  }
  Anzeige_Aktualisieren(app);

  if (flavoursIncluded) {
    setFlavourShare(app, 1);
    Anzeige_Aktualisieren(app);
  }
}

}  // namespace mirl
