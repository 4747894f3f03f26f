// The field validators on any text: each leaves either "0" or a text that it
// leaves unchanged when it runs again and that reads as a number in its
// field's range. A flavour price shows its normalised text once its field is
// left; that text must count the same as the text typed, and stay as it is.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_scratch.h"
#include "model/validators.h"
#include "runtime/form.h"
#include "runtime/number.h"

namespace {

using mirl::fuzz::check;

struct Range {
  void (*validate)(mirl::rt::TextBox&);
  double low;
  bool lowIncluded;
  double high;
};

constexpr Range kValidators[] = {
    {mirl::Eingabe_Pruefen_Prozent, 0, false, 100},  {mirl::Eingabe_Pruefen_Nikotin, 0, false, 100},
    {mirl::Eingabe_Pruefen_Preis, 0, true, 77777},    {mirl::Eingabe_Pruefen_Menge, 0, false, 99999},
    {mirl::Eingabe_Pruefen_Aroma_ml, 0, false, 9999},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  mirl::rt::Form form("frm_Fuzz");
  auto& box = form.add<mirl::rt::TextBox>("txt_Fuzz");

  for (const Range& r : kValidators) {
    box.setText(text);
    r.validate(box);
    const std::string result = box.Text();
    if (result == "0") continue;
    const auto x = mirl::rt::num::parse(result);
    check(x.has_value());
    check(r.lowIncluded ? *x >= r.low : *x > r.low);
    check(*x <= r.high);
    r.validate(box);
    check(box.Text() == result);
  }

  // A flavour price counts with the value of its normalised form; once left
  // it shows a price from 0 to 77 777 or "0,00", counts as it shows and
  // stays so.
  box.setText(text);
  mirl::checkFlavourPrice(box);
  const std::string shown = box.Text();
  const auto value = mirl::rt::num::parse(shown);
  check(value.has_value() && *value >= 0 && *value <= 77777);
  check(shown == "0,00" || value == mirl::rt::num::parse(mirl::flavourPriceText(text)));
  check(mirl::rt::num::parse(mirl::flavourPriceText(shown)) == value);
  mirl::checkFlavourPrice(box);
  check(box.Text() == shown);
  return 0;
}
