#include "solver/direct_solution.h"

#include <array>

#include "context/app.h"
#include "model/base_prices.h"
#include "model/composition.h"
#include "model/field_value.h"
#include "model/live.h"
#include "model/validators.h"
#include "runtime/number.h"
#include "solver/solver_messages.h"

namespace mirl {

namespace {

// True when the field holds a number equal to value.
bool fieldEquals(const rt::TextBox& box, double value) {
  auto v = fieldNumber(box);
  return v && *v == value;
}

// An amount below 0 by less than half a hundredth, which its field shows as
// "0", is a rounding residue of the closed form: it becomes 0. False for an
// amount further below 0.
bool settleResidue(double& amount) {
  if (amount >= 0) return true;
  if (amount <= -0.005) return false;
  amount = 0;
  return true;
}

// Writes an amount as plain text and normalises it as an amount.
void writeAmount(rt::TextBox& box, double value) {
  box.setText(rt::num::plain(value));
  Eingabe_Pruefen_Menge(box);
}

struct BaseValues {
  double n = 0, p = 0, v = 0, w = 0;
};

// The roles of the ticked bases: the strongest is the nicotine base; among
// the others that are no stronger than the target, the one with the most
// PG, else VG, else water is a candidate for that share. Ties keep the
// earlier slot.
struct Roles {
  std::array<BaseValues, kBaseSlots> b{};
  int ticked = 0;
  double nMax = 0, pNic = 0, vNic = 0, pBest = 0, vBest = 0, wBest = 0;
};

Roles findRoles(const FrmMain& w, double nT) {
  Roles r;
  for (int s = 0; s < kBaseSlots; ++s) {
    const BaseSlot& slot = w.basis[s];
    if (slot.chk->Value() == 0) continue;
    ++r.ticked;
    const Composition base = readBase(slot);
    BaseValues& x = r.b[s];
    x = {base.N / 10, base.PG, base.VG, base.W};
    if (x.n > r.nMax) {
      r.nMax = x.n;
      r.pNic = x.p;
      r.vNic = x.v;
    } else if (x.p > r.pBest && x.n <= nT) {
      r.pBest = x.p;
    } else if (x.v > r.vBest && x.n <= nT) {
      r.vBest = x.v;
    } else if (x.w > r.wBest && x.n <= nT) {
      r.wBest = x.w;
    }
  }
  return r;
}

// The slot of the candidate for a share: the first below the nicotine
// base's strength whose share is `best`; kBaseSlots when there is none.
int candidateSlot(const Roles& r, double BaseValues::*share, double best) {
  int s = 0;
  while (s < kBaseSlots && !(r.b[s].*share == best && r.b[s].n < r.nMax)) ++s;
  return s;
}

// The flavours' millilitres times their share of PG, VG or water.
double flavourTerm(const FlavourRows<double>& f, const FlavourRows<Aromenzusammensetzung>& tab,
                   double Aromenzusammensetzung::*share) {
  double sum = 0;
  for (int k : kFlavourRowNumbers) sum = sum + f[k] * (tab[k].*share);
  return sum;
}

// Solves for the amounts of the bases in role order: nicotine, PG, VG,
// water, after the counted flavours f (F millilitres together). False when
// a step finds no base for its share.
bool solveBases(const Roles& r, const FlavourRows<double>& f, double F, const FlavourRows<Aromenzusammensetzung>& tab,
                const Composition& target, Vorschlag_Datensatz& a) {
  const double T = target.amount, nT = target.N / 10, pT = target.PG, vT = target.VG;
  double R = 0;
  for (int s = 0; s < kBaseSlots; ++s) {
    if (r.b[s].n > 0 && r.b[s].n == r.nMax) {
      a.baseAmount(s) = nT / r.b[s].n * T;
      R = T - a.baseAmount(s) - F;
      break;
    }
  }
  if (R == 0) return false;
  double U = T - R;
  double P = 0;

  if (r.pBest > 0) {
    const double FPG = flavourTerm(f, tab, &Aromenzusammensetzung::PG);
    const int s = candidateSlot(r, &BaseValues::p, r.pBest);
    if (s == kBaseSlots) return false;
    const double p = r.b[s].p;
    a.baseAmount(s) = T / p * pT - (U - F) / p * r.pNic - FPG / 100 + a.baseAmount(s);
    P = P + a.baseAmount(s);
  }

  if (r.vBest > 0) {
    const double FVG = flavourTerm(f, tab, &Aromenzusammensetzung::VG);
    const int s = candidateSlot(r, &BaseValues::v, r.vBest);
    if (s == kBaseSlots) return false;
    const double v = r.b[s].v;
    a.baseAmount(s) = T / v * vT - (U - F) / v * r.vNic - FVG / 100 + a.baseAmount(s);
    U = U + a.baseAmount(s) + P;
  } else {
    U = U + P;
  }

  if (r.wBest > 0 && T > U) {
    // Millilitres times per cent: not divided by 100, unlike PG and VG.
    const double FW = flavourTerm(f, tab, &Aromenzusammensetzung::W);
    const int s = candidateSlot(r, &BaseValues::w, r.wBest);
    if (s == kBaseSlots) return false;
    a.baseAmount(s) = T - U + a.baseAmount(s) - FW;
  }
  return true;
}

// The closed form: the amounts go into a. False when a precondition fails
// or a step finds no base for its share (the run stops there).
bool computeAmounts(const App& app, Vorschlag_Datensatz& a) {
  const FrmMain& w = app.main();
  const Composition target = readTarget(w);
  const double T = target.amount, nT = target.N / 10;
  if (T < 1) return false;

  const Roles r = findRoles(w, nT);
  if (r.ticked < 2 || r.nMax < nT || r.pBest < target.PG) return false;

  // Flavours counted inside the total get their share of it first.
  FlavourRows<double> f{};
  if (w.flavourShareInside()) {
    for (int k : kFlavourRowNumbers) {
      if (w.aroma[k].chk_Aroma->Value() == 0) continue;
      if (auto pct = fieldNumber(*w.aroma[k].txt_Aroma_Menge)) f[k] = *pct * T / 100;
      a.flavourAmount(k) = f[k];
    }
  }
  const double F = f[1] + f[2] + f[3] + f[4] + f[5] + f[6] + f[7];
  return solveBases(r, f, F, app.flavours.Aromen_Tabelle, target, a);
}

// Writes the amounts of the ticked bases and, when counted, of the ticked
// flavours; the block keeps the unrounded values.
void writeAmounts(App& app, const Vorschlag_Datensatz& a) {
  FrmMain& w = app.main();
  for (int s = 0; s < kBaseSlots; ++s) {
    if (w.basis[s].chk->Value() != 0) writeAmount(*w.basis[s].txt_Menge, a.baseAmount(s));
  }
  if (w.flavourShareInside()) {
    for (int k : kFlavourRowNumbers) {
      if (w.aroma[k].chk_Aroma->Value() != 0) writeAmount(*w.aroma[k].txt_Aroma_Menge_ml, a.flavourAmount(k));
    }
  }
}

}  // namespace

void Mischung_Zusammensetzung_Berechnen(App& app, const Vorschlag_Datensatz& block, Composition& out) {
  FrmMain& w = app.main();
  double nic = 0, pg = 0, vg = 0, wa = 0, so = 0;
  // Each term on its own: a field that gives no number adds nothing.
  auto add = [](double& acc, const rt::TextBox& box, double amount) {
    if (auto v = fieldNumber(box)) acc = acc + *v * amount / 100;
  };
  for (int s = 0; s < kBaseSlots; ++s) {
    const BaseSlot& slot = w.basis[s];
    if (slot.chk->Value() == 0) continue;
    const double a = block.baseAmount(s);
    add(nic, *slot.txt_mg_ml, a);
    add(pg, *slot.txt_PG_Prozent, a);
    add(vg, *slot.txt_VG_Prozent, a);
    add(wa, *slot.txt_Wasser_Prozent, a);
    add(so, *slot.txt_Sonst_Prozent, a);
  }
  for (int k : kFlavourRowNumbers) {
    if (w.aroma[k].chk_Aroma->Value() == 0) continue;
    const double a = block.flavourAmount(k);
    const Aromenzusammensetzung& r = app.flavours.Aromen_Tabelle[k];
    nic = nic + r.N * a / 100;
    pg = pg + r.PG * a / 100;
    vg = vg + r.VG * a / 100;
    wa = wa + r.W * a / 100;
    so = so + r.S * a / 100;
  }
  double T = 0;
  readField(*w.txt_Berechnung_Menge, T);
  if (T == 0) return;
  out.N = rt::num::rounded(nic * 100 / T, "0.0");
  out.PG = rt::num::rounded(pg * 100 / T, "0.00");
  out.VG = rt::num::rounded(vg * 100 / T, "0.00");
  out.W = rt::num::rounded(wa * 100 / T, "0.00");
  out.S = rt::num::rounded(so * 100 / T, "0.00");
}

bool Schnell_Loesung_Pruefen(App& app, Vorschlag_Datensatz& block) {
  FrmMain& w = app.main();
  for (int k : kFlavourRowNumbers) {
    if (!settleResidue(block.flavourAmount(k))) return false;
  }
  for (int s = 0; s < kBaseSlots; ++s) {
    if (!settleResidue(block.baseAmount(s))) return false;
  }
  Composition mix;
  Mischung_Zusammensetzung_Berechnen(app, block, mix);
  // A target field that gives no number cannot be confirmed: no solution.
  const std::array mixed = {mix.N, mix.PG, mix.VG, mix.W, mix.S};
  const auto target = w.targetFields();
  for (std::size_t i = 0; i < target.size(); ++i) {
    if (!fieldEquals(*target[i], mixed[i])) return false;
  }
  double sum = 0;
  for (int k : kFlavourRowNumbers) sum = sum + block.flavourAmount(k);
  for (int s = 0; s < kBaseSlots; ++s) sum = sum + block.baseAmount(s);
  // Compared as the amounts are shown: 250.00000000000003 ml are 250 ml.
  const double shown = rt::num::rounded(sum, "0.00");
  return fieldEquals(*w.txt_Berechnung_Menge, shown);
}

void Schnell_Loesung_Berechnen(App& app, bool takeOver) {
  FrmMain& w = app.main();
  // While a search runs the button reads "Abbrechen " and must keep it:
  // the offer leaves the caption alone then.
  auto setCaption = [&](Msg m) {
    if (takeOver || !app.solver.searchRunning) setCalcButton(app, m);
  };

  Vorschlag_Datensatz a{};
  if (w.liveMode() || !computeAmounts(app, a)) {
    setCaption(Msg::Text_Btn_Berechnen);
    return;
  }

  if (Schnell_Loesung_Pruefen(app, a)) {
    if (takeOver) {
      writeAmounts(app, a);
      // Everything the amounts feed, in the order the refresh computes it,
      // so that prices and viscosity match the amounts shown.
      Basis_Preis_Summen_Berechnen(app);
      Live_Menge_Summieren(app);
      Preis_Berechnen_Live(app);
      Live_Analyse_Aktualisieren(app);
      Preis_Berechnen_Berechnung(app);
      Live_Viskositaet_Berechnen(app);
      setCaption(Msg::Text_Btn_Berechnen);
    } else {
      setCaption(Msg::Text_Btn_Schnell_Loesung);
    }
  } else {
    setCaption(Msg::Text_Btn_Berechnen);
  }
  Live_Menge_Summieren(app);
  Live_Analyse_Aktualisieren(app);
  Hintergrundfarben_Setzen(app);
}

}  // namespace mirl
