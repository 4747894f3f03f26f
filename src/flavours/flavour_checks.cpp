#include "flavours/flavour_checks.h"

#include <initializer_list>
#include <string>

#include "context/app.h"
#include "flavours/frm_aromen.h"
#include "model/field_value.h"
#include "model/sum_checks.h"
#include "model/validators.h"
#include "runtime/number.h"

namespace mirl {

namespace {

constexpr double kHundred = 100.0;
constexpr std::size_t kNicotine = 1;  // N in a composition's parts

// A field's number when it reads as one above 0, else 0: what a sum adds.
double positive(const rt::TextBox& box) {
  const double v = fieldOr(box, 0);
  return v > 0 ? v : 0;
}

void mark(rt::Label& label, rt::Color color, const std::string& tip) {
  label.setForeColor(color);
  label.setToolTipText(tip);
}

// The dosages of the active rows (those above 0), rounded to two decimals so
// that 33,33 + 33,33 + 33,34 makes exactly 100.
double dosageSum(const FrmAromen& f) {
  double sum = 0;
  for (const FlavourWindowRow& r : f.row) {
    if (r.active()) sum = sum + positive(*r.txt_Aroma_in_Basis);
  }
  return shownSum(sum);
}

}  // namespace

double compositionSum(const std::array<double, 6>& parts, bool nicotineInside) {
  double sum = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (parts[i] <= 0) continue;
    if (i == kNicotine) {
      if (nicotineInside) sum = sum + parts[i] / 10;
    } else {
      sum = sum + parts[i];
    }
  }
  return shownSum(sum);
}

void Aromen_Fenster_Aktualisieren(App& app) {
  FrmAromen& f = frmAromen(app);
  for (FlavourWindowRow& r : f.row) {
    Eingabe_Pruefen_Nikotin(*r.txt_N);
    for (rt::TextBox* t : {r.txt_Aroma, r.txt_PG, r.txt_VG, r.txt_W, r.txt_S}) Eingabe_Pruefen_Prozent(*t);
    // The price is left as it stands, as the main window's refresh leaves
    // it: opening and closing the window keep a price of any size and
    // decimals. Leaving the field or loading a file normalises it.
    Eingabe_Pruefen_Prozent(*r.txt_Aroma_in_Basis);
  }
  Aromen_Zeilen_Freigabe_Aktualisieren(app);
  Aromen_Zusammensetzung_Pruefen_Alle(app);
  Aromen_Dosierung_Pruefen(app);
}

void Aroma_Zeile_Freigeben(App& app, bool enabled, int k) {
  const FlavourWindowRow& r = frmAromen(app).row[k];
  // The tick box and the row's buttons stay enabled: an inactive row can
  // be ticked again, loaded, saved and reset.
  for (rt::Control* c : std::initializer_list<rt::Control*>{
           r.txt_Aroma, r.txt_N, r.txt_PG, r.txt_VG, r.txt_W, r.txt_S, r.txt_Preis, r.txt_Bezeichnung,
           r.txt_Aroma_in_Basis, r.cbo_Preis, r.lbl_Aroma, r.lbl_N, r.lbl_PG, r.lbl_VG, r.lbl_W, r.lbl_S,
           r.lbl_Bezeichnung, r.lbl_Preis, r.lbl_Euro, r.lbl_Aroma_in_Basis}) {
    c->setEnabled(enabled);
  }
}

void Aromen_Zeilen_Freigabe_Aktualisieren(App& app) {
  for (int k : kFlavourRowNumbers) Aroma_Zeile_Freigeben(app, frmAromen(app).row[k].active(), k);
}

bool Aroma_Zusammensetzung_Pruefen(App& app, int k, double& rest) {
  const FlavourWindowRow& r = frmAromen(app).row[k];
  std::array<double, 6> parts{};
  const auto fields = r.composition();
  for (std::size_t i = 0; i < fields.size(); ++i) parts[i] = positive(*fields[i]);
  const double sum = compositionSum(parts, app.main().nicotineInside());
  rest = kHundred - sum;
  return sum == kHundred;  // the sum as shown
}

void Aroma_Zusammensetzung_Anzeigen(App& app, int k, bool faulty, double rest) {
  FrmAromen& f = frmAromen(app);
  const rt::Color normal = f.lbl_Zusammenstellung->ForeColor();
  const rt::Color color = faulty ? kSumRed : normal;
  const std::string tip = faulty ? sumTooltip(app.texts, rest) : std::string();
  const FlavourWindowRow& r = f.row[k];
  // The nicotine label is marked only while the nicotine counts.
  const bool markNicotine = app.main().nicotineInside();
  for (rt::Label* l : r.compositionLabels()) {
    if (l == r.lbl_N && !markNicotine) {
      mark(*l, normal, "");
    } else {
      mark(*l, color, tip);
    }
  }
}

void Aromen_Zusammensetzung_Pruefen_Alle(App& app) {
  for (int k : kFlavourRowNumbers) {
    if (!frmAromen(app).row[k].active()) continue;
    double rest = 0;
    const bool ok = Aroma_Zusammensetzung_Pruefen(app, k, rest);
    Aroma_Zusammensetzung_Anzeigen(app, k, !ok, rest);
  }
}

void Aromen_Dosierung_Pruefen(App& app) {
  FrmAromen& f = frmAromen(app);
  const double sum = dosageSum(f);
  const bool tooMuch = sum > kHundred;
  const rt::Color color = tooMuch ? kSumRed : f.lbl_Zusammenstellung->ForeColor();
  const std::string tip =
      tooMuch ? rt::num::format(sum - kHundred, "##0.00") + app.texts[Msg::Tip_Zu_Viel_Dosierung] : std::string();
  for (FlavourWindowRow& r : f.row) mark(*r.lbl_Aroma_in_Basis, color, tip);
}

bool Aromen_Fehler_Vorhanden(App& app) {
  bool faulty = false;
  for (const auto& c : frmAromen(app).controls()) {
    if (c->kind() != rt::ControlKind::Label) continue;
    const auto& l = static_cast<const rt::Label&>(*c);
    if (l.ForeColor() == kSumRed && l.Enabled()) faulty = true;
  }
  return faulty;
}

void Aromen_Fehler_Korrigieren(App& app) {
  FrmAromen& f = frmAromen(app);
  for (int k : kFlavourRowNumbers) {
    FlavourWindowRow& r = f.row[k];
    double rest = 0;
    if (!r.active() || Aroma_Zusammensetzung_Pruefen(app, k, rest)) continue;
    r.txt_Aroma->setText("100");
    for (rt::TextBox* t : {r.txt_N, r.txt_PG, r.txt_VG, r.txt_W, r.txt_S}) t->setText("0");
    r.txt_Bezeichnung->setText("(AK) - " + r.txt_Bezeichnung->Text());
  }
  if (dosageSum(f) > kHundred) {
    for (FlavourWindowRow& r : f.row) {
      if (r.active()) r.txt_Aroma_in_Basis->setText("0");
    }
  }
}

}  // namespace mirl
