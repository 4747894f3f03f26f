// The main window's inputs are listed once; the design values, the session
// keys and the reset each name every listed input once, in their own order,
// and every control a user sets is listed or named as no input.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/control_access.h"
#include "model/frm_main.h"
#include "model/main_design.h"
#include "model/main_inputs.h"
#include "shell/factory_reset.h"
#include "shell/session_fields.h"

namespace mirl {
namespace {

// How often a table names each control, of one base slot, one row and the
// window.
std::map<const rt::Control*, int> counted(FrmMain& f, const InputOrder& order) {
  std::map<const rt::Control*, int> n;
  for (BaseInput i : order.base) ++n[i(f.basis[0])];
  for (RowInput i : order.row) ++n[i(f.aroma[1])];
  for (WindowInput i : order.window) ++n[i(f)];
  return n;
}

// What is wrong with a table: inputs it misses, names twice or names beyond
// the list.
std::vector<std::string> problems(FrmMain& f, const InputOrder& order) {
  const InputOrder list{{baseInputs().begin(), baseInputs().end()},
                        {rowInputs().begin(), rowInputs().end()},
                        {windowInputs().begin(), windowInputs().end()}};
  const auto inList = counted(f, list);
  const auto inTable = counted(f, order);
  std::vector<std::string> out;
  for (const auto& [control, times] : inList) {
    if (times != 1) out.push_back(control->name() + " is listed " + std::to_string(times) + " times");
    if (!inTable.contains(control)) out.push_back(control->name() + " missing");
  }
  for (const auto& [control, times] : inTable) {
    if (!inList.contains(control)) out.push_back(control->name() + " is no input");
    if (times > 1) out.push_back(control->name() + " named " + std::to_string(times) + " times");
  }
  return out;
}

// Controls a user sets that hold no value: the menu's commands.
const auto kCommands = std::to_array<WindowInput>({
    access::window<&FrmMain::mnu_Datei_Oeffnen>,
    access::window<&FrmMain::mnu_Datei_Speichern_Unter>,
    access::window<&FrmMain::mnu_Service_Aromenkonfiguration>,
    access::window<&FrmMain::mnu_Info>,
});

// A control the user sets: an unlocked text box, a list, a tick box, a mode
// option or a menu entry that opens no menu of its own.
bool userSets(const FrmMain& f, const rt::Control& c) {
  switch (c.kind()) {
    case rt::ControlKind::TextBox:
      return !static_cast<const rt::TextBox&>(c).Locked();
    case rt::ControlKind::ComboBox:
    case rt::ControlKind::CheckBox:
    case rt::ControlKind::OptionButton:
      return true;
    case rt::ControlKind::Menu: {
      const auto& item = static_cast<const rt::MenuItem&>(c);
      const auto opens = [&item](const auto& other) {
        return other->kind() == rt::ControlKind::Menu && static_cast<const rt::MenuItem&>(*other).parent() == &item;
      };
      return !item.isSeparator() && std::none_of(f.controls().begin(), f.controls().end(), opens);
    }
    default:
      return false;
  }
}

// Controls the user sets that are neither listed nor named as no input, and
// "no inputs" that are listed or nothing the user sets.
std::vector<std::string> unlisted(FrmMain& f) {
  std::set<const rt::Control*> listed, others;
  for (BaseSlot& b : f.basis) {
    for (BaseInput i : baseInputs()) listed.insert(i(b));
  }
  for (int k : kFlavourRowNumbers) {
    for (RowInput i : rowInputs()) listed.insert(i(f.aroma[k]));
  }
  for (WindowInput i : windowInputs()) listed.insert(i(f));
  for (WindowInput i : kCommands) others.insert(i(f));
  std::vector<std::string> out;
  for (const auto& c : f.controls()) {
    const bool sets = userSets(f, *c);
    const bool input = listed.contains(c.get());
    const bool other = others.contains(c.get());
    if (sets && !input && !other) out.push_back(c->fullName() + " is in no list");
    if (other && (input || !sets)) out.push_back(c->fullName() + " is wrongly named as no input");
  }
  return out;
}

TEST(InputList, DesignSessionAndResetEachNameEveryInputOnce) {
  FrmMain f;
  EXPECT_EQ(unlisted(f), std::vector<std::string>{});
  EXPECT_EQ(problems(f, designInputs()), std::vector<std::string>{}) << "design values";
  EXPECT_EQ(problems(f, sessionInputs()), std::vector<std::string>{}) << "session keys";
  EXPECT_EQ(problems(f, resetInputs()), std::vector<std::string>{}) << "reset";
  // The check itself: a table short of one input, or naming one twice.
  InputOrder shortOne = designInputs();
  shortOne.window.pop_back();
  shortOne.row.push_back(shortOne.row.front());
  EXPECT_EQ(problems(f, shortOne).size(), 2u);
}

}  // namespace
}  // namespace mirl
