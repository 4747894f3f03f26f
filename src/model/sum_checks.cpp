#include "model/sum_checks.h"

#include "context/app.h"
#include "model/field_value.h"
#include "runtime/number.h"

namespace mirl {

namespace {

constexpr double kHundred = 100.0;
constexpr double kFlavourLimit = 99.0;
constexpr const char* kTipPattern = "##0.00";

// A field's number, 0 when the text is no number.
double readOrZero(const rt::TextBox& box) {
  double v = 0;
  readField(box, v);
  return v;
}

// A target field rounded to two decimals as it is shown; 0 when the text is
// no number.
double readRounded2(const rt::TextBox& box) {
  double v = 0;
  return readField(box, v) ? rt::num::rounded(v, "0.00") : 0;
}

void mark(rt::Label& label, rt::Color color, const std::string& tip) {
  label.setForeColor(color);
  label.setToolTipText(tip);
}

}  // namespace

double shownSum(double sum) { return rt::num::rounded(sum, "0.00"); }

bool makesHundred(double sum) { return shownSum(sum) == kHundred; }

bool flavoursAboveLimit(double total) { return shownSum(total) > kFlavourLimit; }

std::string sumTooltip(const MessageTable& texts, double d) {
  if (d > 0) return texts[Msg::Tip_Es_Fehlen] + rt::num::format(d, kTipPattern) + "%";
  if (d < 0) return rt::num::format(-d, kTipPattern) + texts[Msg::Tip_Zu_Viel];
  return {};
}

// --- bases -------------------------------------------------------------------

void Basis_Summe_Pruefen(App& app, int slot) {
  const BaseSlot& b = app.main().basis[static_cast<size_t>(slot)];
  const double pg = readOrZero(*b.txt_PG_Prozent);
  const double vg = readOrZero(*b.txt_VG_Prozent);
  const double wasser = readOrZero(*b.txt_Wasser_Prozent);
  const double sonst = readOrZero(*b.txt_Sonst_Prozent);
  const double mgml = readOrZero(*b.txt_mg_ml);

  double sum = pg + vg + wasser + sonst;
  if (app.main().nicotineInside()) sum = sum + mgml / 10;

  if (const double shown = shownSum(sum); shown == kHundred) {
    Basis_Summe_Anzeigen(app, slot, kSumNormal, 0, kSumNormal);
  } else {
    Basis_Summe_Anzeigen(app, slot, kSumRed, kHundred - shown, kSumNormal);
  }
}

void Basis_Summe_Anzeigen(App& app, int slot, rt::Color color, double difference, rt::Color normal) {
  const BaseSlot& b = app.main().basis[static_cast<size_t>(slot)];
  const std::string tip = sumTooltip(app.texts, difference);
  if (app.main().nicotineInside()) {
    mark(*b.lbl_mg_ml, color, tip);
  } else {
    mark(*b.lbl_mg_ml, normal, {});
  }
  for (rt::Label* l : b.percentLabels()) l->setForeColor(color);
  for (rt::Label* l : b.percentLabels()) l->setToolTipText(tip);
}

// --- target ------------------------------------------------------------------

void Berechnung_Summe_Pruefen(App& app) {
  FrmMain& f = app.main();
  const auto target = f.targetFields();
  const double n = readRounded2(*target[0]);
  const double pg = readRounded2(*target[1]);
  const double vg = readRounded2(*target[2]);
  const double wasser = readRounded2(*target[3]);
  const double sonst = readRounded2(*target[4]);
  const double flavours = readRounded2(*f.txt_AllAromaProzent);

  // Nicotine first, then the flavour share, then the four percentages.
  double sum = 0;
  if (app.main().nicotineInside()) sum = sum + n / 10;
  if (f.flavourShareTicked()) sum = sum + flavours;
  sum = sum + pg;
  sum = sum + vg;
  sum = sum + wasser;
  sum = sum + sonst;

  if (const double shown = shownSum(sum); shown == kHundred) {
    Berechnung_Summe_Anzeigen(app, kSumNormal, 0, kSumNormal);
  } else {
    Berechnung_Summe_Anzeigen(app, kSumRed, kHundred - shown, kSumNormal);
  }
}

void Berechnung_Summe_Anzeigen(App& app, rt::Color color, double difference, rt::Color normal) {
  FrmMain& f = app.main();
  const std::string tip = sumTooltip(app.texts, difference);
  if (app.main().nicotineInside()) {
    mark(*f.lbl_Berechnung_Prozent_N, color, tip);
  } else {
    mark(*f.lbl_Berechnung_Prozent_N, normal, {});
  }
  if (f.flavourShareTicked()) {
    mark(*f.lbl_Berechnung_AllAromen_Prozent, color, tip);
  } else {
    mark(*f.lbl_Berechnung_AllAromen_Prozent, normal, {});
  }
  const std::array<rt::Label*, 4> labels = {f.lbl_Berechnung_Prozent_PG, f.lbl_Berechnung_Prozent_VG,
                                            f.lbl_Berechnung_Prozent_Wasser, f.lbl_Berechnung_Prozent_Sonst};
  for (rt::Label* l : labels) l->setForeColor(color);
  for (rt::Label* l : labels) l->setToolTipText(tip);
}

// --- flavours ----------------------------------------------------------------

void Aromen_Summe_Pruefen(App& app) {
  FrmMain& f = app.main();
  double sum = 0;
  for (int k : kFlavourRowNumbers) {
    const FlavourRow& r = f.aroma[k];
    if (r.chk_Aroma->Value() == 1) sum = sum + readOrZero(*r.txt_Aroma_Menge);
  }
  if (const double shown = shownSum(sum); shown <= kFlavourLimit) {
    Aromen_Summe_Anzeigen(app, kSumNormal, 0, kSumNormal);
  } else {
    Aromen_Summe_Anzeigen(app, kSumRed, kFlavourLimit - shown, kSumNormal);
  }
}

void Aromen_Summe_Anzeigen(App& app, rt::Color color, double difference, rt::Color normal) {
  FrmMain& f = app.main();
  // Every ticked row shows the excess of the total.
  std::string tip;
  if (difference != 0) tip = rt::num::format(-difference, kTipPattern) + app.texts[Msg::Tip_Zu_Viel];
  for (int k : kFlavourRowNumbers) {
    FlavourRow& r = f.aroma[k];
    if (r.chk_Aroma->Value() == 1) {
      mark(*r.lbl_Aroma_Mengenbezeichnung, color, tip);
    } else {
      mark(*r.lbl_Aroma_Mengenbezeichnung, normal, {});
    }
  }
}

}  // namespace mirl
