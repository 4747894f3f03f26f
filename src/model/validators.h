#pragma once
// Normalising and range-checking the numeric fields: a validator reduces a
// text box's text to digits and a decimal comma, formats it with its
// pattern and writes it back, or writes "0" when the result is not a number
// or lies outside the field's range.
#include <string>
#include <string_view>

#include "runtime/control.h"

namespace mirl {

// Normalisers: text in, normalised text out.
std::string Zahl_Formatieren_2Stellen(std::string_view text);  // "#####0.##"
std::string Zahl_Formatieren_1Stelle(std::string_view text);   // "#####0.#"
std::string Zahl_Formatieren_Preis(std::string_view text);     // "#,###0.00"
// A price in the grouped form the price pattern writes ("1.234,50") without
// its group stops ("1234,50"); any other text as it is.
std::string withoutPriceGroups(std::string_view text);

// Validators: each writes the box's text back in every case.
void Eingabe_Pruefen_Prozent(rt::TextBox& box);   // above 0, up to 100
void Eingabe_Pruefen_Nikotin(rt::TextBox& box);   // above 0, up to 100
void Eingabe_Pruefen_Preis(rt::TextBox& box);     // 0 up to 77 777
void Eingabe_Pruefen_Menge(rt::TextBox& box);     // above 0, up to 99999
void Eingabe_Pruefen_Aroma_ml(rt::TextBox& box);  // above 0, up to 9999

}  // namespace mirl
