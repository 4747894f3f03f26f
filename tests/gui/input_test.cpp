// The user's input reaches the model in the runtime's order and only when
// the form takes it.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "gui_fixture.h"
#include "model/frm_main.h"

namespace mirl::gui::testing {
namespace {

// Clicks a tick box or option button on its indicator.
void clickBox(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(6, w->height() / 2)); }

// Types each character with one key, as the keyboard delivers it.
void typeChars(QWidget* w, const QString& text) {
  for (char32_t ch : text.toUcs4()) {
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString::fromUcs4(&ch, 1), Qt::NoModifier);
  }
}

class InputTest : public GuiTest {
 protected:
  InputTest() {
    a = f().basis[PG_Basis].txt_Hersteller;
    b = f().basis[PG_Basis].txt_mg_ml;
    c = f().basis[VG_Basis].txt_Hersteller;
    chk = f().basis[VG_Basis].chk;
    // The base's fields are disabled while it is unticked; these tests need
    // them enabled and their handlers only logging.
    for (rt::Control* x : std::initializer_list<rt::Control*>{a, b, c, chk, f().btn_Reset}) {
      logEvents(x);
      x->setEnabled(true);
    }
  }
  rt::TextBox* a;
  rt::TextBox* b;
  rt::TextBox* c;
  rt::CheckBox* chk;
};

TEST_F(InputTest, TypingChangesTheTextWithoutEvents) {
  focus(a);
  a->setText("");
  log.clear();
  QLineEdit* le = w<QLineEdit>(a);
  // The form counts characters; the emoji is two UTF-16 units to Qt.
  typeChars(le, QStringLiteral("Nic🍒 7"));
  EXPECT_EQ(a->Text(), "Nic🍒 7");
  EXPECT_EQ(a->SelStart(), 6);
  EXPECT_TRUE(log.empty());
  // Typing in the middle keeps the caret where the user put it.
  QTest::keyClick(le, Qt::Key_Left);
  QTest::keyClick(le, Qt::Key_Left);
  typeChars(le, QStringLiteral("x"));
  EXPECT_EQ(a->Text(), "Nic🍒x 7");
  EXPECT_EQ(a->SelStart(), 5);
  EXPECT_EQ(le->cursorPosition(), 6);
  EXPECT_TRUE(log.empty());
  // A selection the form sets covers whole characters on screen.
  a->setSelStart(3);
  a->setSelLength(2);
  EXPECT_EQ(le->selectedText(), QStringLiteral("🍒x"));
}

TEST_F(InputTest, TypingIntoAnotherFieldMovesTheFocusFirst) {
  focus(a);
  log.clear();
  c->setText("");
  QTest::keyClicks(w<QLineEdit>(c), "q");
  EXPECT_EQ(log, (Log{a->fullName() + ".Validate", a->fullName() + ".LostFocus", c->fullName() + ".GotFocus"}));
  EXPECT_EQ(c->Text(), "q");
}

TEST_F(InputTest, TabRaisesValidateLostFocusGotFocusInOrder) {
  focus(a);
  log.clear();
  QTest::keyClick(w<QLineEdit>(a), Qt::Key_Tab);
  // The next stop after the nicotine-free PG base's manufacturer is its
  // price field in the order the window is laid out; what matters is the
  // order of the events and that Qt's focus follows the form's.
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log[0], a->fullName() + ".Validate");
  EXPECT_EQ(log[1], a->fullName() + ".LostFocus");
  ASSERT_NE(f().focused(), a);
  EXPECT_EQ(win().focusWidget(), win().widget(f().focused()));
  // Shift+Tab comes back.
  log.clear();
  rt::Control* next = f().focused();
  QTest::keyClick(win().widget(next), Qt::Key_Backtab);
  EXPECT_EQ(f().focused(), a);
  EXPECT_EQ(log.back(), a->fullName() + ".GotFocus");
  EXPECT_EQ(win().focusWidget(), w<QLineEdit>(a));
}

TEST_F(InputTest, TabFollowsTheLayoutAndPassesOutputFieldsBy) {
  const auto& order = win().binding().tabOrder();
  ASSERT_FALSE(order.empty());
  EXPECT_EQ(order.front(), f().basis[PG_N_Basis].chk);
  for (rt::Control* x : order) {
    EXPECT_TRUE(x->takesFocus()) << x->fullName();
    if (x->kind() == rt::ControlKind::TextBox) {
      EXPECT_FALSE(static_cast<rt::TextBox*>(x)->Locked()) << x->fullName();
    }
  }
  // Of the two mode options only the selected one is a stop.
  focus(f().opt_Berechnungsauswahl[0]);
  for (int i = 0; i < 200 && f().focused() != f().opt_Berechnungsauswahl[1]; ++i) {
    QTest::keyClick(win().focusWidget(), Qt::Key_Tab);
    if (f().focused() == f().opt_Berechnungsauswahl[0]) break;
  }
  EXPECT_NE(f().focused(), f().opt_Berechnungsauswahl[1]);
}

TEST_F(InputTest, ClickOnATickBoxMovesTheFocusFirstThenToggles) {
  focus(a);
  log.clear();
  const int before = chk->Value();
  clickBox(w<QCheckBox>(chk));
  EXPECT_EQ(log, (Log{a->fullName() + ".Validate", a->fullName() + ".LostFocus", chk->fullName() + ".GotFocus",
                      chk->fullName() + ".Click"}));
  EXPECT_EQ(chk->Value(), 1 - before);
  EXPECT_EQ(w<QCheckBox>(chk)->isChecked(), chk->Value() == 1);
  EXPECT_EQ(win().focusWidget(), w<QCheckBox>(chk));
  // The space bar on the focused box is a click too.
  log.clear();
  QTest::keyClick(w<QCheckBox>(chk), Qt::Key_Space);
  EXPECT_EQ(log, (Log{chk->fullName() + ".Click"}));
  EXPECT_EQ(chk->Value(), before);
  EXPECT_EQ(w<QCheckBox>(chk)->isChecked(), chk->Value() == 1);
}

TEST_F(InputTest, TheModelDecidesTheCheckMark) {
  // A Click handler that puts the box back: the widget shows the model.
  chk->onClick.replace([this] { chk->setValueSilently(0); });
  chk->setValueSilently(0);
  clickBox(w<QCheckBox>(chk));
  EXPECT_EQ(chk->Value(), 0);
  EXPECT_FALSE(w<QCheckBox>(chk)->isChecked());
}

TEST_F(InputTest, CancelledValidateKeepsTheFocusAndDropsTheClick) {
  focus(a);
  cancelValidate = true;
  log.clear();
  const int before = chk->Value();
  clickBox(w<QCheckBox>(chk));
  EXPECT_EQ(log, (Log{a->fullName() + ".Validate"}));
  EXPECT_EQ(chk->Value(), before);
  EXPECT_EQ(w<QCheckBox>(chk)->isChecked(), before == 1);
  EXPECT_EQ(f().focused(), a);
  EXPECT_EQ(win().focusWidget(), w<QLineEdit>(a));
  // Tab and a click into another field are kept too.
  log.clear();
  QTest::keyClick(w<QLineEdit>(a), Qt::Key_Tab);
  QTest::mouseClick(w<QLineEdit>(c), Qt::LeftButton);
  EXPECT_EQ(log, (Log{a->fullName() + ".Validate", a->fullName() + ".Validate"}));
  EXPECT_EQ(f().focused(), a);
  EXPECT_EQ(win().focusWidget(), w<QLineEdit>(a));
}

TEST_F(InputTest, SelectionMadeOnFocusSurvivesTheMousePress) {
  c->setText("Kirsche 🍒");
  c->onGotFocus.replace([this] {
    c->setSelStart(0);
    c->setSelLength(c->textLength());
  });
  focus(a);
  QTest::mouseClick(w<QLineEdit>(c), Qt::LeftButton, Qt::NoModifier, QPoint(20, 8));
  EXPECT_EQ(f().focused(), c);
  EXPECT_EQ(w<QLineEdit>(c)->selectedText(), QStringLiteral("Kirsche 🍒"));
  // Typing now replaces the selected text, all of it.
  QTest::keyClicks(w<QLineEdit>(c), "Erdbeere");
  EXPECT_EQ(c->Text(), "Erdbeere");
}

TEST_F(InputTest, WithoutSelectionOnFocusTheCaretGoesWhereClicked) {
  c->setText("abcdef");
  focus(a);
  QLineEdit* le = w<QLineEdit>(c);
  QTest::mouseClick(le, Qt::LeftButton, Qt::NoModifier, QPoint(le->width() - 4, le->height() / 2));
  EXPECT_EQ(f().focused(), c);
  EXPECT_FALSE(le->hasSelectedText());
  EXPECT_EQ(le->cursorPosition(), 6);
}

// A click on a label or a menu shortcut leaves the caret and the selection
// where the user put them, with and without selection on focus.
TEST_F(InputTest, CaretAndSelectionStayThroughALabelClickAndAMenuShortcut) {
  rt::TextBox* name = f().txt_Berechnung_Zusammenstellung;
  QLineEdit* le = w<QLineEdit>(name);
  QWidget* label = w<QWidget>(f().lbl_Berechnung_Zusammenstellung);
  QTest::mouseClick(le, Qt::LeftButton);
  le->selectAll();
  QTest::keyClicks(le, "Kirsche");
  QTest::keyClick(le, Qt::Key_Home);
  QTest::mouseClick(label, Qt::LeftButton);
  QTest::keyClicks(le, "X");
  EXPECT_EQ(name->Text(), "XKirsche");
  QTest::keyClick(le, Qt::Key_Home);
  QTest::keyClick(le, Qt::Key_F, Qt::ControlModifier);
  QTest::keyClicks(le, "Y");
  EXPECT_EQ(name->Text(), "YXKirsche");

  f().mnu_Service_Auto_Markierung->setChecked(true);
  focus(a);
  QTest::mouseClick(le, Qt::LeftButton);
  ASSERT_EQ(le->selectedText(), QStringLiteral("YXKirsche"));
  QTest::keyClick(le, Qt::Key_End);
  QTest::mouseClick(label, Qt::LeftButton);
  QTest::keyClicks(le, "Z");
  EXPECT_EQ(name->Text(), "YXKirscheZ");
  // A selection made backwards keeps its caret at its start.
  QTest::keyClick(le, Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClick(le, Qt::Key_Left, Qt::ShiftModifier);
  QTest::mouseClick(label, Qt::LeftButton);
  QTest::keyClick(le, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(le->selectedText(), QStringLiteral("heZ"));
  EXPECT_EQ(name->SelStart(), 7);
  EXPECT_EQ(name->SelLength(), 3);
}

TEST_F(InputTest, LockedFieldTakesTheFocusButNoText) {
  rt::TextBox* out = f().basis[PG_Basis].txtl_Preis_Summe;
  ASSERT_TRUE(out->Locked());
  const std::string before = out->Text();
  out->setEnabled(true);
  QTest::mouseClick(w<QLineEdit>(out), Qt::LeftButton);
  EXPECT_EQ(f().focused(), out);
  QTest::keyClicks(w<QLineEdit>(out), "12");
  EXPECT_EQ(out->Text(), before);
  EXPECT_EQ(w<QLineEdit>(out)->text().toStdString(), before);
}

TEST_F(InputTest, DisabledWindowIgnoresClicksKeysMenusAndClose) {
  focus(a);
  f().mnu_Service_MsgBox->onClick.replace([this] { log.push_back("menu"); });
  log.clear();
  f().setEnabled(false);
  const int before = chk->Value();
  const std::string text = a->Text();
  clickBox(w<QCheckBox>(chk));
  QTest::keyClicks(w<QLineEdit>(a), "zz");
  QTest::keyClick(w<QLineEdit>(a), Qt::Key_Tab);
  QTest::mouseClick(w<QPushButton>(f().btn_Reset), Qt::LeftButton);
  win().action(f().mnu_Service_MsgBox)->trigger();
  QTest::keyClick(w<QLineEdit>(a), Qt::Key_W, Qt::ControlModifier);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(chk->Value(), before);
  EXPECT_EQ(w<QCheckBox>(chk)->isChecked(), before == 1);
  EXPECT_EQ(a->Text(), text);
  EXPECT_EQ(w<QLineEdit>(a)->text().toStdString(), text);
  EXPECT_FALSE(win().close());
  EXPECT_TRUE(win().isVisible());
  EXPECT_FALSE(app().closed());
  f().setEnabled(true);
  clickBox(w<QCheckBox>(chk));
  EXPECT_EQ(chk->Value(), 1 - before);
}

TEST_F(InputTest, BusyFormTakesInputOnlyForTheAllowedControl) {
  focus(f().btn_Reset);
  log.clear();
  f().setBusy(f().btn_Reset);
  const int before = chk->Value();
  const std::string text = a->Text();
  clickBox(w<QCheckBox>(chk));
  QTest::keyClicks(w<QLineEdit>(a), "zz");
  QTest::mouseClick(w<QLineEdit>(a), Qt::LeftButton);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(chk->Value(), before);
  EXPECT_EQ(w<QCheckBox>(chk)->isChecked(), before == 1);
  EXPECT_EQ(w<QLineEdit>(a)->text().toStdString(), text);
  EXPECT_EQ(f().focused(), f().btn_Reset);
  QTest::mouseClick(w<QPushButton>(f().btn_Reset), Qt::LeftButton);
  EXPECT_EQ(log, (Log{f().btn_Reset->fullName() + ".Click"}));
  f().clearBusy();
}

TEST_F(InputTest, ListSelectionGoesThroughTheForm) {
  rt::ComboBox* list = f().basis[VPG_Basis].cbo_Preis;
  ASSERT_GT(list->ListCount(), 3);
  logEvents(list);
  focus(a);
  log.clear();
  QComboBox* cb = w<QComboBox>(list);
  // A choice from the list: the focus arrives first, then the Click.
  QTest::mouseClick(cb, Qt::LeftButton);
  QApplication::processEvents();
  if (QWidget* popup = QApplication::activePopupWidget()) popup->hide();
  ASSERT_EQ(f().focused(), list);
  log.clear();
  emit cb->activated(2);
  EXPECT_EQ(list->ListIndex(), 2);
  EXPECT_EQ(log, (Log{list->fullName() + ".Click"}));
  // Refused while busy: the list shows the model's entry again.
  f().setBusy(f().btn_Reset);
  cb->setCurrentIndex(3);
  emit cb->activated(3);
  EXPECT_EQ(list->ListIndex(), 2);
  EXPECT_EQ(cb->currentIndex(), 2);
  f().clearBusy();
}

TEST_F(InputTest, OptionButtonsAreSelectedByTheModel) {
  rt::OptionButton* calc = f().opt_Berechnungsauswahl[0];
  rt::OptionButton* live = f().opt_Berechnungsauswahl[1];
  logEvents(calc);
  logEvents(live);
  ASSERT_TRUE(calc->Value());
  clickBox(w<QRadioButton>(live));
  EXPECT_TRUE(live->Value());
  EXPECT_FALSE(calc->Value());
  EXPECT_TRUE(w<QRadioButton>(live)->isChecked());
  EXPECT_FALSE(w<QRadioButton>(calc)->isChecked());
  EXPECT_EQ(log.back(), live->fullName() + ".Click");
  // The arrow keys select the other button of the group.
  log.clear();
  QTest::keyClick(w<QRadioButton>(live), Qt::Key_Up);
  EXPECT_TRUE(calc->Value());
  EXPECT_TRUE(w<QRadioButton>(calc)->isChecked());
  EXPECT_EQ(f().focused(), calc);
}

TEST_F(InputTest, MenuCommandRaisesNoFocusEvents) {
  focus(a);
  log.clear();
  f().mnu_Service_MsgBox->onClick.replace([this] { log.push_back("menu"); });
  win().action(f().mnu_Service_MsgBox)->trigger();
  EXPECT_EQ(log, (Log{"menu"}));
  EXPECT_EQ(f().focused(), a);
}

TEST_F(InputTest, MenuShortcutWinsOverTheFieldsOwn) {
  // Ctrl+A would select the field's text; the menu entry has it.
  f().mnu_Service_Aromenkonfiguration->onClick.replace([this] { log.push_back("flavours"); });
  a->setText("abc");
  focus(a);
  log.clear();
  QTest::keyClick(w<QLineEdit>(a), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(log, (Log{"flavours"}));
  EXPECT_FALSE(w<QLineEdit>(a)->hasSelectedText());
  // Access keys and shortcuts come from the model.
  EXPECT_EQ(win().action(f().mnu_Datei_Oeffnen)->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
  EXPECT_EQ(win().action(f().mnu_Datei_Oeffnen)->text().toStdString(), f().mnu_Datei_Oeffnen->Caption());
}

TEST_F(InputTest, MenuCheckMarkFollowsTheModel) {
  rt::MenuItem* m = f().mnu_Service_MsgBox;
  m->onClick.replace([m] { m->setChecked(!m->Checked()); });
  const bool before = m->Checked();
  win().action(m)->trigger();
  EXPECT_EQ(m->Checked(), !before);
  EXPECT_EQ(win().action(m)->isChecked(), !before);
  // A handler that leaves the mark alone: Qt's own toggle is undone.
  m->onClick.replace([] {});
  win().action(m)->trigger();
  EXPECT_EQ(win().action(m)->isChecked(), m->Checked());
}

TEST_F(InputTest, ClicksBesideTheModelsControlsLeaveTheFocusWithIt) {
  // A click on the greyed millilitres of a ticked row, on a blank spot or in
  // a disabled window leaves the focus on the tick box; Space still toggles it.
  const FlavourRow& r = f().aroma[1];
  clickBox(w<QCheckBox>(r.chk_Aroma));
  ASSERT_EQ(r.chk_Aroma->Value(), 1);
  ASSERT_FALSE(r.txt_Aroma_Menge_ml->Enabled());
  QWidget* content = win().findChild<DesignedArea*>()->widget();
  ASSERT_EQ(content->childAt(2, 2), nullptr);
  QTest::mouseClick(w<QLineEdit>(r.txt_Aroma_Menge_ml), Qt::LeftButton);
  QTest::mouseClick(content, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
  f().setEnabled(false);
  QTest::mouseClick(w<QLineEdit>(a), Qt::LeftButton);
  f().setEnabled(true);
  EXPECT_EQ(f().focused(), r.chk_Aroma);
  EXPECT_EQ(QApplication::focusWidget(), w<QCheckBox>(r.chk_Aroma));
  // Disabled, the box cannot show the focus, and no other control seems to
  // have it; enabled again, it has it back.
  r.chk_Aroma->setEnabled(false);
  EXPECT_EQ(QApplication::focusWidget(), &win());
  r.chk_Aroma->setEnabled(true);
  EXPECT_EQ(QApplication::focusWidget(), w<QCheckBox>(r.chk_Aroma));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_EQ(r.chk_Aroma->Value(), 0);
}

TEST_F(InputTest, FocusSetByCodeMovesQtsFocus) {
  focus(a);
  ASSERT_TRUE(f().btn_Reset->SetFocus());
  EXPECT_EQ(win().focusWidget(), w<QPushButton>(f().btn_Reset));
  ASSERT_TRUE(c->SetFocus());
  EXPECT_EQ(win().focusWidget(), w<QLineEdit>(c));
}

}  // namespace
}  // namespace mirl::gui::testing
