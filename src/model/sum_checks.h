#pragma once
// Sums-to-100 checks of the six bases and the target, and the 99 % limit of
// the ticked flavours. A group that is off turns its caption labels red, and
// their tooltips say how much is missing or too much. The sums are compared
// exactly, with no tolerance.
#include <string>

#include "runtime/color.h"

namespace mirl {
class App;
class MessageTable;

inline constexpr rt::Color kSumNormal = rt::sys::ButtonText;  // &H80000012
inline constexpr rt::Color kSumRed = rt::Red;                 // 255

// Tooltip for a difference d to the limit: "Es fehlen noch 2,50%" for d > 0,
// "2,50% zu viel" for d < 0, "" for 0.
std::string sumTooltip(const MessageTable& texts, double d);

// slot: 0 to 5, in slot order.
void Basis_Summe_Pruefen(App& app, int slot);
void Basis_Summe_Anzeigen(App& app, int slot, rt::Color color, double difference, rt::Color normal);
void Berechnung_Summe_Pruefen(App& app);
void Berechnung_Summe_Anzeigen(App& app, rt::Color color, double difference, rt::Color normal);
void Aromen_Summe_Pruefen(App& app);
void Aromen_Summe_Anzeigen(App& app, rt::Color color, double difference, rt::Color normal);

}  // namespace mirl
