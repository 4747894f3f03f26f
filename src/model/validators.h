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

// A flavour price in price form with grouping and every decimal it was
// typed with, at least two and none beyond the 15th significant digit
// ("2.5" -> "2,50", "0,0296" stays, "1234.5" -> "1.234,50",
// "0,1234567890123456" -> "0,123456789012346"); a grouped price keeps its
// value whatever stands around it ("€ 1.234,50"). No range: the value
// counted for a price field as it stands.
std::string flavourPriceText(std::string_view text);

// The highest price a price field takes, base or flavour.
inline constexpr double kHighestPrice = 77777;

// Validators: each writes the box's text back in every case.
void Eingabe_Pruefen_Prozent(rt::TextBox& box);   // above 0, up to 100
void Eingabe_Pruefen_Nikotin(rt::TextBox& box);   // above 0, up to 100
void Eingabe_Pruefen_Preis(rt::TextBox& box);     // 0 up to 77 777
void Eingabe_Pruefen_Menge(rt::TextBox& box);     // above 0, up to 99999
void Eingabe_Pruefen_Aroma_ml(rt::TextBox& box);  // above 0, up to 9999
// A flavour price field left by the user or read from a flavour file:
// flavourPriceText from 0 up to 77 777, anything else "0,00".
void checkFlavourPrice(rt::TextBox& box);

}  // namespace mirl
