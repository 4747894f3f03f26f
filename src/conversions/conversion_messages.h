#pragma once
// How a conversion reports a refusal: an information box with the error's
// text and title while message boxes are switched on, then the error's
// status text (with an optional suffix naming the flavour record) in either
// case.
#include <string_view>

#include "support/message_table.h"

namespace mirl {
class App;

void reportConversionError(App& app, Msg text, Msg title, Msg status, std::string_view suffix = {});

}  // namespace mirl
