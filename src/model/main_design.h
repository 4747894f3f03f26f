#pragma once
// The design values of the main window's inputs, held as one ordered table:
// what the window is built with (and what it goes back to), for every text
// box, tick box, mode option and menu check mark that the user sets. The
// table comes in three parts, each in a fixed order: the controls of a base
// group (six values, in slot order), the controls of a flavour row (one
// value, "{k}" standing for the row number) and the window's own controls.
// Within a part the order is that of the session file's keys: a base's
// manufacturer, strength, PG, VG, water, other, price, amount, tick box; a
// row's comment, millilitres, percentage, price, tick box; the target, the
// mode options, the menu check marks. Code that walks every input (the
// constructor, a reset, a session file) walks these tables.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/frm_main.h"

namespace mirl {

// The manufacturer's web address that every base starts with.
inline constexpr std::string_view kManufacturerAddress = "www.quillfen.example";

// What a value sets: a text box's Text, a tick box's Value ("0", "1"), an
// option button's selection or a menu item's check mark ("1" set, "0"
// clear).
enum class DesignProperty { Text, Value, Selected, Checked };

// One row of the table: the control of its owner (a base slot, a flavour
// row, the window) and its value(s).
template <class Owner, std::size_t Values = 1>
struct DesignValue {
  rt::Control* (*control)(Owner& owner);
  DesignProperty property;
  std::array<std::string_view, Values> values;
};
using BaseDesign = DesignValue<BaseSlot, kBaseSlots>;
using RowDesign = DesignValue<FlavourRow>;
using WindowDesign = DesignValue<FrmMain>;

std::span<const BaseDesign> baseSlotDesign();
std::span<const RowDesign> flavourRowDesign();
std::span<const WindowDesign> windowDesign();

// The value the control of base slot s takes; the value row k takes.
std::string_view designValue(const BaseDesign& entry, int slot);
std::string designValue(const RowDesign& entry, int row);

// A value of a flavour row's table with "{k}" replaced by the row number.
std::string withRowNumber(std::string_view value, int row);

// How a control of the window is set and to what, as the table designs it.
struct DesignSetting {
  DesignProperty property;
  std::string value;
};
// The design setting of control c of f; nothing for a control the table
// does not hold (lists, labels, output fields).
std::optional<DesignSetting> designSetting(FrmMain& f, const rt::Control& c);

// Sets a control to a value of the table as code does (a tick box or an
// option raises Click when it changes; a text or a check mark raises
// nothing).
void setDesignValue(rt::Control& control, DesignProperty property, std::string_view value);

// Writes every design value into the window, part by part in table order.
// Used while the window is built, before any handler is wired.
void applyDesign(FrmMain& f);

}  // namespace mirl
