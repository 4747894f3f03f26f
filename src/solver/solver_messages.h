#pragma once
// How the solver tells the user: an information box (only while message
// boxes are switched on) followed by the status text of the same event, and
// the status texts that end a search with the number of proposals.
#include <string>

#include "support/message_table.h"

namespace mirl {
class App;

// Box text and title with style 64 while mnu_Service_MsgBox is unchecked,
// then the status text in either case.
void showMessage(App& app, Msg text, Msg title, Msg status);

// before + the whole number + after, no blanks added.
std::string countText(const MessageTable& texts, Msg before, double count, Msg after);

// The calculate button's caption, which is the solver's state: the text of
// the state (Text_Btn_Berechnen, ...) in the current language.
void setCalcButton(App& app, Msg state);

// A whole number as text, without blanks.
std::string wholeNumberText(double value);

}  // namespace mirl
