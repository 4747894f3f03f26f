// Prices of the mixture in the amount fields, for the live panel and for the
// calculation panel: the cost of the ticked ingredients plus the panel's extra
// cost, and that total scaled to the panel's reference quantity.
#include <optional>

#include "context/app.h"
#include "model/field_value.h"
#include "model/live.h"
#include "model/live_math.h"
#include "model/validators.h"
#include "runtime/number.h"

namespace mirl {

namespace {

// The controls in which one panel shows its price.
struct PricePanel {
  rt::TextBox& extraCost;  // typed by the user, only normalised here
  rt::TextBox& total;
  rt::ComboBox& reference;
  rt::TextBox& perQuantity;
};

// price × (amount ÷ reference ml); nothing when a part is missing or the
// statement would fail.
std::optional<double> ingredientPrice(std::optional<double> price, std::optional<double> amount,
                                      std::optional<long> referenceMl) {
  if (!price || !amount || !referenceMl) return std::nullopt;
  auto share = live::divide(*amount, static_cast<double>(*referenceMl));
  if (!share) return std::nullopt;
  double term = 0;
  if (!live::assignFinite(term, *price * *share)) return std::nullopt;
  return term;
}

// The cost of every ticked base and flavour, in slot and row order. A row
// whose price, amount or reference quantity is missing adds nothing.
double ingredientsPrice(const FrmMain& f) {
  double p = 0;
  for (const BaseSlot& b : f.basis) {
    if (b.chk->Value() == 0) continue;
    auto term = ingredientPrice(fieldNumber(*b.txt_Preis_100_ml), fieldNumber(*b.txt_Menge),
                                b.cbo_Preis->selectedItemData());
    if (term) live::assignFinite(p, p + *term);
  }
  for (int k : kFlavourRowNumbers) {
    const FlavourRow& r = f.aroma[k];
    if (r.chk_Aroma->Value() == 0) continue;
    // The refresh leaves the flavour price as it stands (only leaving the
    // field normalises it); it counts with the value its normalised form
    // has, every decimal included ("2.5" is 2,50, "-3" is 3,00, "0,0296"
    // stays).
    auto price = rt::num::parse(flavourPriceText(r.txt_Aroma_Preis->Text()));
    auto term = ingredientPrice(price, fieldNumber(*r.txt_Aroma_Menge_ml),
                                r.cbo_Aroma_Preis_Menge->selectedItemData());
    if (term) live::assignFinite(p, p + *term);
  }
  return p;
}

void priceMixture(const FrmMain& f, const PricePanel& panel) {
  const double p = ingredientsPrice(f);

  Eingabe_Pruefen_Preis(panel.extraCost);
  double total = 0;
  if (auto extra = fieldNumber(panel.extraCost); extra && live::assignFinite(total, *extra + p)) {
    panel.total.setText(rt::num::plain(total));
  }

  // The per-quantity price comes from the unrounded total just written; a
  // statement that cannot be computed leaves the previous text, which the
  // validator then normalises.
  auto liveTotal = fieldNumber(*f.txt_Live_Menge);
  if (liveTotal && *liveTotal != 0) {
    auto sum = fieldNumber(panel.total);
    auto referenceMl = panel.reference.selectedItemData();
    if (sum && referenceMl) {
      double perQuantity = 0;
      auto perMl = live::divide(*sum, *liveTotal);
      if (perMl && live::assignFinite(perQuantity, *perMl * static_cast<double>(*referenceMl))) {
        panel.perQuantity.setText(rt::num::plain(perQuantity));
      }
    }
    Eingabe_Pruefen_Preis(panel.perQuantity);
  } else if (liveTotal) {
    panel.perQuantity.setText("0,00");
  }
  Eingabe_Pruefen_Preis(panel.perQuantity);
  Eingabe_Pruefen_Preis(panel.total);
}

}  // namespace

void Preis_Berechnen_Live(App& app) {
  FrmMain& f = app.main();
  priceMixture(f, {*f.txt_Live_Preis_Zusatzkosten, *f.txt_Live_Preis_Summe, *f.cbo_Preis_Live, *f.txt_Live_Preis});
}

void Preis_Berechnen_Berechnung(App& app) {
  FrmMain& f = app.main();
  // Without reference quantities the panel keeps whatever it shows.
  if (f.cbo_Preis_Berechnung->ListCount() <= 0) return;
  priceMixture(f, {*f.txt_Berechnung_Zusatzkosten, *f.txt_Berechnung_Preis_Gesamt, *f.cbo_Preis_Berechnung,
                     *f.txt_Berechnung_Preis});
}

}  // namespace mirl
