#pragma once
// How the program tells the user of an error or an outcome: a message box
// with the event's text and title, shown only while message boxes are
// switched on, then the event's status text in the status line in either
// case.
#include <string_view>

#include "support/message_table.h"

namespace mirl {
class App;

// style: the box's icon (rt::mb::Information, rt::mb::Exclamation, ...) with
// the OK button. statusSuffix is appended to the status text.
void showNotice(App& app, int style, Msg text, Msg title, Msg status, std::string_view statusSuffix = {});

// A file chosen to be saved (a session or flavours) that could not be
// written, and one chosen to be loaded that could not be read.
void reportSaveFailure(App& app);
void reportReadFailure(App& app);

}  // namespace mirl
