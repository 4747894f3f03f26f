#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/error.h"
#include "runtime/form.h"

namespace mirl::rt {
namespace {

// A form with a few controls whose handlers log what they see.
struct LoggingForm : Form {
  LoggingForm() : Form("frm_Test") {
    setVisible(true);
    a = &add<TextBox>("txt_A");
    b = &add<TextBox>("txt_B");
    chk = &add<CheckBox>("chk_X");
    list = &add<ComboBox>("cbo_X");
    btn = &add<CommandButton>("btn_X");
    opt0 = &add<OptionButton>("opt_X", 0, "g");
    opt1 = &add<OptionButton>("opt_X", 1, "g");
    lbl = &add<Label>("lbl_X");
    menu = &add<MenuItem>("mnu_X", -1, nullptr);
    for (Control* c : std::vector<Control*>{a, b, chk, list, btn, opt0, opt1}) {
      std::string n = c->fullName();
      c->onGotFocus = [this, n] { log.push_back(n + ".GotFocus"); };
      c->onLostFocus = [this, n] { log.push_back(n + ".LostFocus"); };
      c->onValidate = [this, n](bool& cancel) {
        log.push_back(n + ".Validate");
        cancel = cancelValidate;
      };
      c->onClick = [this, n] { log.push_back(n + ".Click"); };
    }
    menu->onClick = [this] { log.push_back("mnu_X.Click"); };
  }
  TextBox* a;
  TextBox* b;
  CheckBox* chk;
  ComboBox* list;
  CommandButton* btn;
  OptionButton* opt0;
  OptionButton* opt1;
  Label* lbl;
  MenuItem* menu;
  std::vector<std::string> log;
  bool cancelValidate = false;
};

using Log = std::vector<std::string>;

TEST(FormEvents, FocusChangeRaisesValidateLostFocusGotFocusInOrder) {
  LoggingForm f;
  ASSERT_TRUE(f.userFocus(*f.a));
  f.log.clear();
  ASSERT_TRUE(f.userFocus(*f.b));
  EXPECT_EQ(f.log, (Log{"txt_A.Validate", "txt_A.LostFocus", "txt_B.GotFocus"}));
  EXPECT_EQ(f.focused(), f.b);
}

TEST(FormEvents, CancelledValidateKeepsFocusAndDropsTheClick) {
  LoggingForm f;
  f.userFocus(*f.a);
  f.cancelValidate = true;
  f.log.clear();
  EXPECT_FALSE(f.userClick(*f.btn));
  EXPECT_EQ(f.log, (Log{"txt_A.Validate"}));
  EXPECT_EQ(f.focused(), f.a);
}

TEST(FormEvents, ClickOnFocusableControlMovesFocusFirst) {
  LoggingForm f;
  f.userFocus(*f.a);
  f.log.clear();
  f.userClick(*f.chk);
  EXPECT_EQ(f.log, (Log{"txt_A.Validate", "txt_A.LostFocus", "chk_X.GotFocus", "chk_X.Click"}));
  EXPECT_EQ(f.chk->Value(), 1);
  f.log.clear();
  f.userClick(*f.chk);  // already focused: only the toggle and its Click
  EXPECT_EQ(f.log, (Log{"chk_X.Click"}));
  EXPECT_EQ(f.chk->Value(), 0);
}

TEST(FormEvents, UserClickOnGreyTickBoxClearsIt) {
  LoggingForm f;
  f.chk->setValueSilently(2);
  f.userClick(*f.chk);
  EXPECT_EQ(f.chk->Value(), 0);
}

TEST(FormEvents, CodeRaisesClickOnlyWhenTheValueChanges) {
  LoggingForm f;
  f.chk->setValue(1);
  f.chk->setValue(1);
  f.list->AddItem("a");
  f.list->AddItem("b");
  f.list->setListIndex(1);
  f.list->setListIndex(1);
  f.opt1->setValue(true);
  f.opt1->setValue(true);
  EXPECT_EQ(f.log, (Log{"chk_X.Click", "cbo_X.Click", "opt_X(1).Click"}));
}

TEST(FormEvents, WritingTextsCaptionsAndStatesRaisesNothing) {
  LoggingForm f;
  f.a->setText("12");
  f.a->setBackColor(Green);
  f.btn->setCaption("x");
  f.btn->setEnabled(false);
  f.menu->setChecked(true);
  f.chk->setValueSilently(1);
  f.list->AddItem("a");  // adding never selects
  EXPECT_TRUE(f.log.empty());
  EXPECT_EQ(f.list->ListIndex(), -1);
}

TEST(FormEvents, OptionButtonsOfAGroupExcludeEachOther) {
  LoggingForm f;
  f.opt0->setValue(true);
  f.opt1->setValue(true);
  EXPECT_FALSE(f.opt0->Value());
  EXPECT_TRUE(f.opt1->Value());
  f.log.clear();
  f.opt1->setValue(false);  // clearing raises nothing
  EXPECT_TRUE(f.log.empty());
}

TEST(FormEvents, DisabledAndLabelControlsNeverTakeFocus) {
  LoggingForm f;
  f.b->setEnabled(false);
  EXPECT_FALSE(f.userFocus(*f.b));
  EXPECT_FALSE(f.moveFocus(*f.lbl));
  f.a->setVisible(false);
  EXPECT_FALSE(f.moveFocus(*f.a));
  EXPECT_EQ(f.focused(), nullptr);
  EXPECT_FALSE(f.userClick(*f.b));
}

TEST(FormEvents, MenuCommandsRaiseNoFocusEvents) {
  LoggingForm f;
  f.userFocus(*f.a);
  f.log.clear();
  f.userMenu(*f.menu);
  EXPECT_EQ(f.log, (Log{"mnu_X.Click"}));
  EXPECT_EQ(f.focused(), f.a);
}

TEST(FormEvents, DisabledOrHiddenFormTakesNoUserInput) {
  for (bool hidden : {false, true}) {
    LoggingForm f;
    if (hidden)
      f.setVisible(false);
    else
      f.setEnabled(false);
    EXPECT_FALSE(f.userClick(*f.btn));
    EXPECT_FALSE(f.userClick(*f.chk));
    EXPECT_FALSE(f.userMenu(*f.menu));
    EXPECT_FALSE(f.userType(*f.a, "1"));
    EXPECT_FALSE(f.acceptsUserInput(nullptr));
    EXPECT_FALSE(f.a->SetFocus());
    EXPECT_TRUE(f.log.empty());
    EXPECT_EQ(f.chk->Value(), 0);
    EXPECT_EQ(f.focused(), nullptr);
  }
}

TEST(FormEvents, BusyFormTakesInputOnlyForTheAllowedControl) {
  LoggingForm f;
  f.setBusy(f.btn);
  EXPECT_FALSE(f.userClick(*f.chk));
  EXPECT_FALSE(f.userMenu(*f.menu));
  EXPECT_TRUE(f.userClick(*f.btn));
  f.clearBusy();
  EXPECT_TRUE(f.userClick(*f.chk));
}

TEST(FormEvents, TypingReplacesTheTextWithoutEventsBeyondFocus) {
  LoggingForm f;
  f.userType(*f.a, "12,5");
  EXPECT_EQ(f.log, (Log{"txt_A.GotFocus"}));
  EXPECT_EQ(f.a->Text(), "12,5");
  EXPECT_EQ(f.a->SelStart(), 4);
}

TEST(FormEvents, LeaveRaisesValidateThenLostFocus) {
  LoggingForm f;
  f.userFocus(*f.a);
  f.log.clear();
  EXPECT_TRUE(f.leaveFocus());
  EXPECT_EQ(f.log, (Log{"txt_A.Validate", "txt_A.LostFocus"}));
  EXPECT_EQ(f.focused(), nullptr);
}

// A box of the files' code page takes MaxLength typed characters, any length
// from code; a character the code page lacks is "?" from the Validate of
// leaving it (for a control, for nowhere, by closing). Other boxes keep all.
TEST(FormEvents, CodePageBoxTakesMaxLengthAndShowsWhatAFileKeepsOnceLeft) {
  Form f("frm_C");
  f.setVisible(true);
  auto& a = f.add<TextBox>("txt_A");
  auto& b = f.add<TextBox>("txt_B");
  a.setMaxLength(6);
  a.setCodePageOnly(true);
  Log seen;
  a.onValidate = [&](bool&) { seen.push_back(a.Text()); };
  a.onLostFocus = [&] { seen.push_back("LostFocus"); };
  f.userType(a, "Łódź ☕ Erdbeer");
  EXPECT_EQ(a.Text(), "Łódź ☕");
  EXPECT_EQ(a.SelStart(), 6);
  f.userType(b, "🍒");
  EXPECT_EQ(seen, (Log{"?ód? ?", "LostFocus"}));
  a.setText("„Grüße“ – 5 € 日本");
  f.userFocus(a);
  EXPECT_EQ(b.Text(), "🍒");
  f.leaveFocus();
  EXPECT_EQ(a.Text(), "„Grüße“ – 5 € ??");
  f.userType(a, "☕");
  f.queryUnload();
  EXPECT_EQ(a.Text(), "?");
}

TEST(Controls, ListRulesAndErrors) {
  LoggingForm f;
  EXPECT_THROW(f.list->ItemData(f.list->ListIndex()), RuntimeError);
  f.list->AddItem("1 ml");
  f.list->setItemData(f.list->NewIndex(), 1);
  f.list->AddItem("5 ml");
  f.list->setItemData(f.list->NewIndex(), 5);
  EXPECT_EQ(f.list->NewIndex(), 1);
  EXPECT_EQ(f.list->Text(), "");
  f.list->setListIndex(1);
  EXPECT_EQ(f.list->Text(), "5 ml");
  EXPECT_EQ(f.list->selectedItemData(), 5);
  EXPECT_THROW(f.list->setListIndex(2), RuntimeError);
  f.list->Clear();
  EXPECT_EQ(f.list->ListIndex(), -1);
  EXPECT_EQ(f.list->ListCount(), 0);
}

TEST(Controls, ProgressBarClampsValueWhenMaxDrops) {
  Form f("frm_P");
  auto& p = f.add<ProgressBar>("ProgressBar1");
  p.setMax(100);
  p.setValue(80);
  p.setMax(10);
  EXPECT_EQ(p.Value(), 10);
  EXPECT_THROW(p.setValue(11), RuntimeError);
}

TEST(Controls, SelectionCountsCharactersAndTextResetsIt) {
  Form f("frm_S");
  auto& t = f.add<TextBox>("txt_S");
  t.setText("Gr\xC3\xBC\xC3\x9F""e");
  t.setSelStart(0);
  t.setSelLength(t.textLength());
  EXPECT_EQ(t.SelLength(), 5);
  t.setText("x");
  EXPECT_EQ(t.SelStart(), 0);
  EXPECT_EQ(t.SelLength(), 0);
}

TEST(Controls, PropertiesByName) {
  LoggingForm f;
  EXPECT_TRUE(f.a->set("Text", Value{std::string("7")}));
  EXPECT_EQ(std::get<std::string>(*f.a->get("Text")), "7");
  EXPECT_TRUE(f.chk->set("Value", Value{1.0}));
  EXPECT_EQ(f.log.back(), "chk_X.Click");
  EXPECT_FALSE(f.chk->set("Value", Value{3.0}));
  EXPECT_FALSE(f.a->get("Caption").has_value());
  EXPECT_EQ(std::get<double>(*f.a->get("BackColor")), static_cast<double>(sys::Window));
  EXPECT_EQ(std::get<double>(*f.lbl->get("ForeColor")), static_cast<double>(sys::ButtonText));
}

}  // namespace
}  // namespace mirl::rt
