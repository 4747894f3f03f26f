#include "model/base_prices.h"

#include <cmath>
#include <optional>

#include "context/app.h"
#include "model/field_value.h"
#include "model/validators.h"
#include "runtime/number.h"

namespace mirl {

namespace {

// The subtotal of one base, or nothing when it cannot be computed (no entry
// selected, a field that is no number, a reference quantity of 0, a result
// that is not finite); the subtotal field then keeps its previous text.
std::optional<double> subtotal(const BaseSlot& b) {
  const std::optional<long> reference = b.cbo_Preis->selectedItemData();
  const std::optional<double> amount = fieldNumber(*b.txt_Menge);
  const std::optional<double> price = fieldNumber(*b.txt_Preis_100_ml);
  if (!reference || !amount || !price || *reference == 0) return std::nullopt;
  double sum = *amount / static_cast<double>(*reference);
  sum = sum * *price;
  if (!std::isfinite(sum)) return std::nullopt;
  return sum;
}

}  // namespace

void Basis_Preis_Summen_Berechnen(App& app) {
  for (BaseSlot& b : app.main().basis) {
    if (b.cbo_Preis->ListCount() < 1) continue;
    if (auto sum = subtotal(b)) b.txtl_Preis_Summe->setText(rt::num::format(*sum, "0.00"));
    Eingabe_Pruefen_Preis(*b.txtl_Preis_Summe);
  }
}

}  // namespace mirl
