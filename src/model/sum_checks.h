#pragma once
// Sums-to-100 checks of the six bases and the target, and the 99 % limit of
// the ticked flavours. A group that is off turns its caption labels red, and
// their tooltips say how much is missing or too much. A sum is compared as
// the fields show it, at two decimals.
#include <string>

#include "runtime/color.h"

namespace mirl {
class App;
class MessageTable;

inline constexpr rt::Color kSumNormal = rt::sys::ButtonText;  // &H80000012
inline constexpr rt::Color kSumRed = rt::Red;                 // 255

// A sum of percentages as the fields show it: rounded to two decimals
// ("0.00", read back). Parts that add up make exactly 100 (68,74 + 29,46 +
// 1,8 is 99.99999999999999 in doubles), and a real 0,01 off stays off.
// Every decision whether a sum makes 100 or passes the flavours' 99 goes
// through it; only the rounding compensation itself works on the exact sum.
double shownSum(double sum);
bool makesHundred(double sum);
// The ticked flavours' total above 99 %: the bases would be left less than
// 1 %.
bool flavoursAboveLimit(double total);

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
