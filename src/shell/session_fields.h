#pragma once
// The keys of the session file: ten sections with 164 keys, each bound to
// the control of the main window or the field of the flavour-composition
// table whose value it keeps, with the default that a missing key reads as.
// The list stands in the order of the file, which is the order of the
// writes; the load takes the keys in an order of its own (shell/session.h).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/main_inputs.h"
#include "runtime/control.h"

namespace mirl {
struct FlavourTable;

inline constexpr std::string_view kSectionAromen = "Aromen";
inline constexpr std::string_view kSectionBerechnung = "Berechnung";
inline constexpr std::string_view kSectionGlobal = "Global";
inline constexpr std::string_view kSectionTable = "Aromenzusammensetzungen";

// How a value stands in the file.
enum class FieldKind {
  Text,    // a text box's text as it is
  List,    // a list's selected position from 0, -1 for none
  Tick,    // a tick box's state
  Mark,    // a mode option's selection or a menu check mark: -1 set, 0 clear
  Number,  // a field of the flavour table, with a decimal comma
  Name,    // the name of the flavour table
};

struct SessionField {
  std::string_view section;
  std::string key;
  FieldKind kind = FieldKind::Text;
  std::string readDefault;
  rt::Control* control = nullptr;  // Text, List, Tick, Mark
  double* number = nullptr;        // Number
  std::string* name = nullptr;     // Name
};

// The key of a control, formed from its name: a text box's name without
// "txt_"; a list's, tick box's or menu entry's whole name; a mode option's
// name followed by its index + 1. A control of flavour row k (index 1 to 7)
// has k before it: k "_" and the text box's key, k "_cbo_" and the list's
// name, k "_chk_" and the tick box's name.
std::string sessionKey(rt::ControlKind kind, std::string_view name, int index);

// The key of a field of the flavour table: "dpA", the record, "_", the
// field ("dpA3_PG").
std::string tableKey(int record, std::string_view field);

// The inputs the keys name, in the order of the file, and the one input no
// key keeps.
InputOrder sessionInputs();

// Every key of the file, in the order of the file.
std::vector<SessionField> sessionFields(FrmMain& f, FlavourTable& table);

// The value of a field as it is written.
std::string fieldValue(const SessionField& field);

// Gives a field the value read, as code sets it (a tick box, list or mode
// option raises its Click when it changes). A value that does not convert,
// or that the control cannot take, leaves the field as it was.
void applyFieldValue(const SessionField& field, std::string_view value);

// A number of the flavour table as written: the shortest text that reads
// back as the same double, with a decimal comma and no grouping.
std::string tableNumberText(double value);

// A number of the flavour table as read: with a comma, the comma is the
// decimal separator (and a "." groups); without one, a single "." is the
// decimal point ("12.5" is 12,5). Nothing when the text is no number.
std::optional<double> readTableNumber(std::string_view text);

}  // namespace mirl
