// The main window's inputs are listed once; the design values, the session
// keys and the reset are tables of their own order. Each must name every
// input of the list exactly once, so that a new input cannot be forgotten in
// one of them.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "model/frm_main.h"
#include "model/main_design.h"
#include "model/main_inputs.h"
#include "shell/factory_reset.h"
#include "shell/session_fields.h"

namespace mirl {
namespace {

// The controls of a table's inputs, counted, for one base slot, one row and
// the window.
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
  }
  for (const auto& [control, times] : inTable) {
    if (!inList.contains(control)) out.push_back(control->name() + " is no input");
    if (times > 1) out.push_back(control->name() + " named " + std::to_string(times) + " times");
  }
  for (const auto& [control, times] : inList) {
    if (!inTable.contains(control)) out.push_back(control->name() + " missing");
  }
  return out;
}

TEST(InputList, DesignSessionAndResetEachNameEveryInputOnce) {
  FrmMain f;
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
